// "-CALC" starts the calculator alone: the start-up shows it without the
// editor, and the real program runs it until the session ends it.
#include "app/program_commands.h"
#include "app/tarvel_executable.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/start/main_procedure.h"
#include "shell/window_instances.h"
#include "utilities/calculator/Kalkul.h"

#include <QApplication>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

class CalculatorAlone : public ::testing::Test {
protected:
    CalculatorAlone() {
        Program() = ProgramState{};
        Program().ShowCalculatorAlone = ShowCalculatorAlone;
        appFolder = folder.path() + u"/"_s;
        QFile settings(appFolder + u"tarvel.ini"_s);
        (void)settings.open(QIODevice::WriteOnly);
        settings.write(EncodeSettings(FirstRunSettings(9000, 6000, AppVersionText())));
    }
    ~CalculatorAlone() override {
        delete MainForm::instance();
        Program() = ProgramState{};
    }

    [[nodiscard]] static QList<QWidget*> visibleWindows() {
        QList<QWidget*> shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                shown << window;
        }
        return shown;
    }

    QTemporaryDir folder;
    QString appFolder;
    TestPlatform platform;
};

TEST_F(CalculatorAlone, StartUpShowsOnlyTheCalculatorWithItsStandAloneKeys) {
    for (const QString& option : {u"-CALC"_s, u"-calc"_s, u"-CaLc"_s}) {
        Main(appFolder, option);
        Kalkul* calculator = LoadedWindowIfAny<Kalkul>();
        ASSERT_NE(calculator, nullptr) << option.toStdString();
        EXPECT_EQ(visibleWindows(), QList<QWidget*>{calculator}) << option.toStdString();
        EXPECT_EQ(calculator->parentWidget(), nullptr);
        EXPECT_EQ(calculator->Command19()->text(), u"&Clip"_s);
        EXPECT_EQ(calculator->Command20()->text(), u"&Quit"_s);
        EXPECT_EQ(Program().StartMode, u"C"_s);
        // The main window is there, hidden, as the calculator's clipboard
        // and question do not need it.
        ASSERT_NE(MainForm::instance(), nullptr);
        EXPECT_FALSE(MainForm::instance()->isVisible());
        delete MainForm::instance();
        EXPECT_EQ(LoadedWindowIfAny<Kalkul>(), nullptr) << "the calculator outlived the program";
        Program().StartMode.clear();
    }
}

TEST_F(CalculatorAlone, MoreTextAfterTheOptionOpensTheEditor) {
    Main(appFolder, u"-CALC x"_s);
    EXPECT_EQ(LoadedWindowIfAny<Kalkul>(), nullptr);
    EXPECT_TRUE(MainForm::instance()->isVisible());
    EXPECT_TRUE(Program().StartMode.isEmpty());
}

// The real program: it keeps running with the calculator alone, and the
// session's end ends it at once, without the editor's shutdown writing the
// rule set and the documents as it does when the editor runs.
TEST_F(TarvelExecutable, CalcRunsTheCalculatorAloneUntilTheSessionEnds) {
    runUntilTheSessionEnds({QStringLiteral("-CALC")});
    EXPECT_EQ(sizeOf(QStringLiteral("default.rqc")), -1);
    for (int tab = 1; tab <= 5; ++tab)
        EXPECT_EQ(sizeOf(QStringLiteral("autosave_tarvel_qor%1.txt").arg(tab)), -1) << tab;
}

} // namespace
