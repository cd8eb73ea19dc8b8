// The desktop session ends the real program with SIGTERM at any moment. While
// start-up still waits for the user, nothing of the last session is in the
// window yet, and nothing may be written over the files it is kept in; once
// start-up is done, the end saves the session as a close does.
#include "app/tarvel_executable.h"

#include <QMap>

using namespace Qt::StringLiterals;

namespace {

enum class Outcome { FilesUntouched, SessionSaved };

struct EndingMoment {
    const char* moment;
    QStringList arguments;
    QString savedVersion; // "" = no settings file: the first-run wizard
    int tooLargeTab = 0;  // this tab's autosave cannot be restored
    Outcome outcome = Outcome::FilesUntouched;
    QByteArray colourRules = {}; // written as the colour rules when not empty
};

class SessionEnd : public TarvelExecutable {
protected:
    // The last session: a window of its own size and place with every bar
    // hidden, and texts in two tabs.
    void writeLastSession(const EndingMoment& moment) {
        QFile::remove(folder.filePath(u"tarvel.ini"_s));
        if (!moment.savedVersion.isEmpty()) {
            settings = FirstRunSettings(9000, 6000, moment.savedVersion);
            settings.WindowWidth = 600 * 15;
            settings.WindowHeight = 400 * 15;
            settings.WindowLeft = 100 * 15;
            settings.WindowTop = 50 * 15;
            settings.ShowToolbar = settings.ShowStatusBar = settings.ShowFileTabs = false;
            settings.SavedAt = u"01-02-2003 04:05:06"_s;
            write(u"tarvel.ini"_s, EncodeSettings(settings));
        }
        if (!moment.colourRules.isEmpty())
            write(u"default.rqc"_s, moment.colourRules);
        write(u"autosave_tarvel_qor1.txt"_s, "První text\r\nz minula");
        write(u"autosave_tarvel_qor2.txt"_s, "Druhý");
        if (moment.tooLargeTab > 0)
            write(u"autosave_tarvel_qor%1.txt"_s.arg(moment.tooLargeTab), QByteArray(1442402, 'x'));
    }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Every file of the folder but the program, with its bytes.
    [[nodiscard]] QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> found;
        for (const QFileInfo& info : QDir(folder.path()).entryInfoList(QDir::Files)) {
            QFile file(info.filePath());
            if (info.fileName() != u"tarvel"_s && file.open(QIODevice::ReadOnly))
                found.insert(info.fileName(), file.readAll());
        }
        return found;
    }

    SettingsRecord settings;
};

TEST_F(SessionEnd, DuringStartUpNothingIsWrittenAfterItTheSessionIsSaved) {
    const QString older = u"0.9.0b CZ"_s;
    const QString current = AppVersionText();
    const QString missing = folder.filePath(u"chybí/dopis.txt"_s);
    const EndingMoment moments[] = {
        {"version notice", {u"-NOMSG"_s}, older},
        {"notice of a text too large to restore", {u"-NOMSG"_s}, current, 3},
        {"error box of damaged colour rules",
         {u"-NOMSG"_s},
         current,
         0,
         Outcome::FilesUntouched,
         "krátký"},
        {"first-run wizard", {u"-NOMSG"_s}, u""_s},
        {"calculator alone", {u"-CALC"_s}, current},
        {"browser alone", {u"-BROWSER"_s}, current},
        {"error box in the running editor", {missing}, current, 0, Outcome::SessionSaved},
        {"running editor", {u"-NOMSG"_s}, current, 0, Outcome::SessionSaved},
    };
    for (const EndingMoment& moment : moments) {
        SCOPED_TRACE(moment.moment);
        writeLastSession(moment);
        QMap<QString, QByteArray> expected = files();
        // The text too large to restore is kept aside before its notice.
        if (moment.tooLargeTab > 0) {
            const QString name = u"autosave_tarvel_qor%1.txt"_s.arg(moment.tooLargeTab);
            expected.insert(name + u".bak"_s, expected.take(name));
        }

        runUntilTheSessionEnds(moment.arguments);

        QMap<QString, QByteArray> left = files();
        // A close writes every tab's file, the three empty ones too, and the
        // colour rules beside the settings.
        if (moment.outcome == Outcome::SessionSaved) {
            for (int tab = 3; tab <= 5; ++tab)
                EXPECT_EQ(left.take(u"autosave_tarvel_qor%1.txt"_s.arg(tab)), QByteArray());
            EXPECT_EQ(left.take(u"default.rqc"_s).size(), 514);
            const SettingsRecord saved = DecodeSettings(left.take(u"tarvel.ini"_s), {});
            EXPECT_NE(saved.SavedAt, settings.SavedAt);
            EXPECT_EQ(QList<qint32>({saved.WindowWidth, saved.WindowHeight, saved.WindowLeft,
                                     saved.WindowTop}),
                      QList<qint32>({settings.WindowWidth, settings.WindowHeight,
                                     settings.WindowLeft, settings.WindowTop}));
            EXPECT_FALSE(saved.ShowToolbar || saved.ShowStatusBar || saved.ShowFileTabs);
            expected.remove(u"tarvel.ini"_s);
        }
        EXPECT_EQ(left.keys().join(u' ').toStdString(), expected.keys().join(u' ').toStdString());
        for (const QString& name : expected.keys())
            EXPECT_TRUE(left.value(name) == expected.value(name)) << name.toStdString();
        for (const QString& name : files().keys())
            QFile::remove(folder.filePath(name));
    }
}

} // namespace
