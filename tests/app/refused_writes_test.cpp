// Each writer, on a disk that refuses the write, keeps the old file byte for
// byte, leaves no temporary file and says why in a box.
#include "whole_program.h"

#include "core/colour/colour_rule_set.h"
#include "core/files/file_io.h"
#include "core/files/file_size_limit.h"
#include "core/files/folder_files.h"
#include "core/files/special_files.h"
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

class RefusedWrites : public WholeProgram {
protected:
    RefusedWrites() { Program().AppFolder = folder.path() + u"/"_s; }

    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }

    [[nodiscard]] QMap<QString, QByteArray> files() const { return FolderFiles(folder.path()); }

    QTemporaryDir folder;
    TempFolderOverride temporary{folder.path()};
    QString text; // of the row's size, for the writers that take a text
};

TEST_F(RefusedWrites, EveryWriterKeepsTheOldFileAndSaysWhy) {
    struct Writer {
        const char* name;
        QString oldFile; // written before, unless prepare writes the old files
        // Leaves what is to be written: at least size bytes.
        std::function<void(qint64 size)> prepare;
        std::function<void()> write;
    };
    const Writer writers[] = {
        {"document save", u"dopis.txt"_s,
         [this](qint64) { surface().setText(u"Milá Jano, píšu ti"_s); },
         [this] {
             platform.messageBox.queue(MessageBoxAnswer::Yes);
             SaveDocument(path(u"dopis.txt"_s), text);
         }},
        {"exit autosave",
         {},
         [this](qint64) {
             for (int tab = 1; tab <= 5; ++tab)
                 WriteFileAtomically(ExitAutosavePath(Program().AppFolder, tab),
                                     tab == 1 ? "z minula" : "");
             // Read back as a start does, so this copy knows the files it replaces.
             (void)RestoreExitAutosaveFiles(Program().AppFolder, Program().Documents);
         },
         [this] {
             WriteExitAutosaveFiles(Program().AppFolder, {text, {}, {}, {}, {}},
                                    Program().Documents);
         }},
        {"settings",
         {},
         [](qint64 size) {
             SaveSettings(); // the old files, and the rule set it writes first
             Program().Settings.UserName = QString(size, u'j');
         },
         [] { SaveSettings(); }},
        {"default rule set", u"default.rqc"_s,
         [](qint64 size) { Program().ColorRules.Rules.resize(size / ColorRuleRecordSize + 1); },
         [this] { SaveDefaultColorSet(path(u"default.rqc"_s)); }},
        {"cipher table", u"tabulka.rqt"_s,
         [](qint64 size) {
             auto& window = LoadedWindow<RND_Sifra>();
             window.findChild<QPushButton*>(u"Command2"_s)->click();
             window.findChild<QLineEdit*>(u"Text2"_s)->setText(QString(size, u'n'));
         },
         [this] {
             platform.fileDialogs.saveAnswers << path(u"tabulka.rqt"_s);
             LoadedWindow<RND_Sifra>().findChild<QPushButton*>(u"Command4"_s)->click();
         }},
        {"line-end conversion", u"vstup.unx"_s,
         [this](qint64 size) {
             // Each CR becomes an LF: the copy is as long as the file.
             WriteFileAtomically(path(u"vstup.txt"_s), QByteArray(size - 1, 'x') + '\r');
             platform.fileDialogs.openAnswers << path(u"vstup.txt"_s);
             LoadedWindow<Dos_Unix_conv>().Command4()->click();
         },
         [this] {
             platform.messageBox.queue(MessageBoxAnswer::Yes);
             LoadedWindow<Dos_Unix_conv>().Command1()->click();
         }},
        {"preview file",
         {},
         [](qint64) {},
         [this] { EXPECT_EQ(WriteTempFile(u"html"_s, text.toLatin1()), QString()); }},
    };
    for (const Writer& writer : writers) {
        // Either size is refused: the smaller fits in the write buffer a
        // library keeps and was once taken for written, the larger overflows it.
        for (const qint64 size : {1, 16385}) {
            SCOPED_TRACE(std::string(writer.name) + ", " + std::to_string(size) + " bytes");
            platform.messageBox.shown.clear();
            text = QString(size, u'x');
            if (!writer.oldFile.isEmpty())
                WriteFileAtomically(path(writer.oldFile), "stará verze");
            writer.prepare(size);
            const QMap<QString, QByteArray> before = files();
            {
                const FileSizeLimit limit(rlim_t(size - 1));
                writer.write();
            }
            EXPECT_TRUE(files() == before) << "an old file changed or a new one was left";
            const auto& shown = platform.messageBox.shown;
            const QString told = shown.isEmpty() ? u"no box"_s : shown.back().request.text;
            EXPECT_TRUE(told.contains(u"Tak velký soubor disk nepřijme"_s)) << told.toStdString();
            EXPECT_TRUE(form.documents().captionModified()) << "the document lost its *";
            EXPECT_TRUE(Program().TempFiles.isEmpty()) << "a file not written is kept as one";
        }
    }
}

} // namespace
