// Each writer of the program, on a disk that refuses the write, keeps the old
// file byte for byte, leaves no temporary file and says why in a box. A size
// limit on the test's own files refuses the last byte as a full disk does;
// the sizes lie on both sides of the write buffer a library may keep.
#include "whole_program.h"

#include "core/colour/colour_rule_set.h"
#include "core/files/file_io.h"
#include "core/files/file_size_limit.h"
#include "core/files/special_files.h"
#include "core/settings/settings_file.h"
#include "core/utilities/cipher_table_file.h"
#include "shell/browser/browser_procedures.h"
#include "shell/files/colour_rule_files.h"
#include "shell/files/document_files.h"
#include "shell/files/exit_autosave.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/start/settings_saving.h"
#include "shell/window_instances.h"
#include "utilities/ciphers/RND_Sifra.h"
#include "utilities/line_ends/Dos_Unix_conv.h"

#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString Refused = u"Tak velký soubor disk nepřijme"_s;

class RefusedWrites : public WholeProgram {
protected:
    RefusedWrites() { Program().AppFolder = folder.path() + u"/"_s; }

    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }

    // Every file of the folder, with its bytes.
    [[nodiscard]] QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> found;
        for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden))
            found.insert(name, ReadWholeFile(path(name)));
        return found;
    }

    void emptyFolder() {
        for (const QString& name : files().keys())
            QFile::remove(path(name));
        platform.messageBox.shown.clear();
    }

    // The settings file of the moment, grown by the user name towards size
    // bytes; a string holds at most 65535 of them.
    qint64 settingsOf(qint64 size) {
        Program().Settings.UserName.clear();
        SaveSettings();
        const qint64 shortest = QFileInfo(path(SettingsFileName)).size();
        Program().Settings.UserName =
            QString(qBound(qint64{0}, size - shortest, qint64{65535}), u'j');
        return EncodeSettings(Program().Settings).size();
    }

    QTemporaryDir folder;
    TempFolderOverride temporary{folder.path()};
    // What the writer of the row writes.
    QString text;
};

TEST_F(RefusedWrites, EveryWriterKeepsTheOldFileAndSaysWhy) {
    struct Writer {
        const char* name;
        // Leaves the old file and what is to be written, about size bytes;
        // gives the length of the file the writer makes.
        std::function<qint64(qint64 size)> prepare;
        std::function<void()> write;
        // Checks what else the failure must leave as it was.
        std::function<void()> after = [] {};
    };
    const Writer writers[] = {
        {"document save",
         [this](qint64 size) {
             WriteFileAtomically(path(u"dopis.txt"_s), "Milá Jano, ...");
             surface().setText(u"Milá Jano, píšu ti"_s);
             text = QString(size, u'x');
             return size;
         },
         [this] {
             platform.messageBox.queue(MessageBoxAnswer::Yes);
             SaveDocument(path(u"dopis.txt"_s), text);
         },
         [this] { EXPECT_TRUE(form.documents().captionModified()); }},
        {"exit autosave",
         [this](qint64 size) {
             for (int tab = 1; tab <= 5; ++tab)
                 WriteFileAtomically(ExitAutosavePath(Program().AppFolder, tab),
                                     tab == 1 ? "z minula" : "");
             // Read back as a start does, so this copy knows the files it replaces.
             (void)RestoreExitAutosaveFiles(Program().AppFolder, Program().Documents);
             text = QString(size, u'x');
             return size;
         },
         [this] {
             WriteExitAutosaveFiles(Program().AppFolder, {text, {}, {}, {}, {}},
                                    Program().Documents);
         }},
        {"settings", [this](qint64 size) { return settingsOf(size); }, [] { SaveSettings(); }},
        {"default rule set",
         [this](qint64 size) {
             const QString rules = path(ColorRulesFileName);
             WriteFileAtomically(rules, EncodeColorRuleSet(ColorRuleSet{}));
             ColorRuleSet& set = Program().ColorRules;
             set = ColorRuleSet{};
             set.Description = u"Nová sada"_s;
             const qint64 records = qMax(size / ColorRuleRecordSize, qint64{1});
             for (qint64 rule = 1; rule < records; ++rule)
                 set.Rules.append({RgbColor(200, 0, 0), u"<"_s, u">"_s});
             return records * ColorRuleRecordSize;
         },
         [this] { SaveDefaultColorSet(path(ColorRulesFileName)); }},
        {"cipher table",
         [this](qint64 size) {
             WriteFileAtomically(path(u"tabulka.rqt"_s), "stará tabulka");
             auto& window = LoadedWindow<RND_Sifra>();
             window.findChild<QPushButton*>(u"Command2"_s)->click();
             auto* note = window.findChild<QLineEdit*>(u"Text2"_s);
             const qint64 shortest = EncodeCipherTable(window.table()).size();
             note->setText(
                 QString(qBound(qint64{0}, size - shortest, qint64{note->maxLength()}), u'n'));
             return EncodeCipherTable(window.table()).size();
         },
         [this] {
             platform.fileDialogs.saveAnswers << path(u"tabulka.rqt"_s);
             LoadedWindow<RND_Sifra>().findChild<QPushButton*>(u"Command4"_s)->click();
         }},
        {"line-end conversion",
         [this](qint64 size) {
             // Each CR becomes an LF: the copy is as long as the file.
             WriteFileAtomically(path(u"vstup.txt"_s), QByteArray(size - 1, 'x') + '\r');
             WriteFileAtomically(path(u"vstup.unx"_s), "starý převod\n");
             platform.fileDialogs.openAnswers << path(u"vstup.txt"_s);
             LoadedWindow<Dos_Unix_conv>().Command4()->click();
             return size;
         },
         [this] {
             platform.messageBox.queue(MessageBoxAnswer::Yes);
             LoadedWindow<Dos_Unix_conv>().Command1()->click();
         }},
        {"preview file",
         [this](qint64 size) {
             text = QString(size, u'p');
             return size;
         },
         [this] { EXPECT_EQ(WriteTempFile(u"html"_s, text.toLatin1()), QString()); },
         [] { EXPECT_TRUE(Program().TempFiles.isEmpty()); }},
    };
    for (const Writer& writer : writers) {
        for (const qint64 size : {1, 16383, 16384, 16385, int(LargestDocumentSize)}) {
            SCOPED_TRACE(std::string(writer.name) + ", " + std::to_string(size) + " bytes");
            emptyFolder();
            const qint64 written = writer.prepare(size);
            const QMap<QString, QByteArray> before = files();
            {
                const FileSizeLimit limit(rlim_t(written - 1));
                ASSERT_TRUE(limit.set());
                writer.write();
            }
            const QMap<QString, QByteArray> after = files();
            EXPECT_EQ(after.keys(), before.keys());
            EXPECT_TRUE(after == before) << "an old file changed";
            const auto& shown = platform.messageBox.shown;
            const QString told = shown.isEmpty() ? u"no box"_s : shown.back().request.text;
            EXPECT_TRUE(told.contains(Refused)) << told.toStdString();
            writer.after();
        }
    }
}

} // namespace
