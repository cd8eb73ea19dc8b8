// Every window that reads or writes a file the user names, given a pipe or a
// device instead of a file: each answers at once with a message naming it,
// and the program goes on with its document as it was.
#include "whole_program.h"

#include "core/files/special_files.h"
#include "html/images/Obrazek.h"
#include "shell/browser/frmBrowser.h"
#include "shell/files/Otevri.h"
#include "shell/files/file_browser_lists.h"
#include "shell/window_instances.h"
#include "utilities/ciphers/RND_Sifra.h"
#include "utilities/line_ends/Dos_Unix_conv.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString NotRegular = u"Není obyčejný soubor (je to složka, roura nebo zařízení)"_s;

class SpecialFiles : public WholeProgram {
protected:
    void run(MenuId id) { commands.run(id, form); }
    void chooseNext(const QString& path) { platform.fileDialogs.openAnswers << path; }
    static void click(QWidget& window, const QString& button) {
        auto* found = window.findChild<QPushButton*>(button);
        ASSERT_NE(found, nullptr) << button.toStdString();
        QTest::mouseClick(found, Qt::LeftButton);
    }
    [[nodiscard]] QString path(const QString& name) const { return dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    [[nodiscard]] QStringList boxTextsFrom(qsizetype first) const {
        QStringList texts;
        for (qsizetype i = first; i < platform.messageBox.shown.size(); ++i)
            texts << platform.messageBox.shown.at(i).request.text;
        return texts;
    }

    QTemporaryDir dir;
};

TEST_F(SpecialFiles, EveryWindowRefusesAPipeOrADeviceWithAMessage) {
    struct Row {
        const char* name;
        // The special file's name in the test folder.
        QString fileName;
        // A writer is given only the pipe: were the fault back, it would
        // replace the device itself.
        bool writes;
        std::function<void(const QString& special)> act;
    };
    const Row rows[] = {
        {"open", u"open.txt"_s, false,
         [this](const QString& special) {
             chooseNext(special);
             run(MenuId::mnu_open_st);
         }},
        {"insert from file", u"insertxt"_s, false,
         [this](const QString& special) {
             chooseNext(special);
             run(MenuId::mnuzesouboru);
         }},
        {"line-end conversion", u"lines.txt"_s, false,
         [this](const QString& special) {
             run(MenuId::mnu_utiliti_dos_unix);
             Dos_Unix_conv& window = LoadedWindow<Dos_Unix_conv>();
             chooseNext(special);
             click(window, u"Command4"_s);
             click(window, u"Command1"_s);
         }},
        {"cipher table", u"table.rqt"_s, false,
         [this](const QString& special) {
             run(MenuId::mnu_rnd_encrypt);
             chooseNext(special);
             click(LoadedWindow<RND_Sifra>(), u"Command3"_s);
         }},
        {"colour rule set", u"rules.rqc"_s, false,
         [this](const QString& special) {
             chooseNext(special);
             run(MenuId::MnuColorOpenSet);
         }},
        {"picture size", u"picture.png"_s, false,
         [this](const QString& special) {
             Obrazek& dialog = LoadedWindow<Obrazek>();
             dialog.showModeless();
             chooseNext(special);
             click(dialog, u"FileChoose"_s);
         }},
        {"open window's preview", u"listed.txt"_s, false,
         [this](const QString& special) {
             // Listed as a file, then put in its place before the click.
             ASSERT_TRUE(QFile::rename(special, path(u"moved"_s)));
             writeFile(u"listed.txt"_s, "text");
             Otevri& window = LoadedWindow<Otevri>();
             ASSERT_TRUE(window.showFolder(dir.path()));
             window.show();
             ASSERT_TRUE(QFile::remove(special));
             ASSERT_TRUE(QFile::rename(path(u"moved"_s), special));
             QListWidget& list = *window.File1();
             const QList<QListWidgetItem*> found =
                 list.findItems(u"listed.txt"_s, Qt::MatchExactly);
             ASSERT_EQ(found.size(), 1);
             QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                               list.visualItemRect(found.front()).center());
         }},
        {"help page", u"tarvel.html"_s, false,
         [this](const QString&) {
             Program().AppFolder = dir.path() + u'/';
             run(MenuId::mnuhlp);
         }},
        {"internal preview", u"page.html"_s, false,
         [this](const QString& special) {
             Program().CurrentFilePath = special;
             run(MenuId::Mnu_Internal_Browser);
         }},
        {"test in the desktop's browser", u"tested.html"_s, false,
         [this](const QString& special) {
             Program().CurrentFilePath = special;
             platform.messageBox.queue(MessageBoxAnswer::Yes);
             run(MenuId::mnutest);
         }},
        {"browser's own open", u"browsed.html"_s, false,
         [this](const QString& special) {
             frmBrowser& browser = LoadedWindow<frmBrowser>();
             chooseNext(special);
             browser.button(u"Open"_s)->trigger();
         }},
        {"save", u"saved.txt"_s, true,
         [this](const QString& special) {
             platform.fileDialogs.saveAnswers << special;
             run(MenuId::mnu_save_st);
         }},
        {"line-end conversion's copy", u"copy.unx"_s, true,
         [this](const QString&) {
             writeFile(u"copy.txt"_s, "a\r\nb");
             run(MenuId::mnu_utiliti_dos_unix);
             Dos_Unix_conv& window = LoadedWindow<Dos_Unix_conv>();
             chooseNext(path(u"copy.txt"_s));
             click(window, u"Command4"_s);
             click(window, u"Command1"_s);
         }},
    };
    const QString document = u"Dokument, který nesmí přijít nazmar."_s;
    for (const SpecialFile kind : {SpecialFile::Pipe, SpecialFile::Device}) {
        for (const Row& row : rows) {
            if (row.writes && kind == SpecialFile::Device)
                continue;
            SCOPED_TRACE(std::string(row.name) + " of a " + NameOf(kind));
            const QString special = path(row.fileName);
            ASSERT_TRUE(MakeSpecialFile(special, kind));
            surface().setText(document);
            const qsizetype boxesBefore = platform.messageBox.shown.size();
            RunGuarded(special, kind, [&] { row.act(special); });

            const QStringList boxes = boxTextsFrom(boxesBefore);
            const std::string told = boxes.isEmpty() ? "nothing" : boxes.back().toStdString();
            EXPECT_TRUE(!boxes.isEmpty() && boxes.back().contains(NotRegular)) << told;
            EXPECT_TRUE(!boxes.isEmpty() && boxes.back().contains(special)) << told;
            EXPECT_EQ(surface().text(), document);
            EXPECT_TRUE(IsStillSpecial(special, kind));
            EXPECT_TRUE(platform.desktop.opened.isEmpty());
            if (platform.webViews.latest) {
                EXPECT_TRUE(platform.webViews.latest->navigations.isEmpty());
            }
            ASSERT_TRUE(QFile::remove(special));
            platform.unloadWindows(&form);
            Program().CurrentFilePath.clear();
        }
    }
}

} // namespace
