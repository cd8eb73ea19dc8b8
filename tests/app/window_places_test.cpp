// Where the whole program's windows come back and which one is active: a
// tool window hidden and shown again stands where the user left it, and a
// modal picker, message box or input box hands the activation back to the
// window it was opened from.
#include "tool_windows_program.h"

#include "core/files/special_files.h"
#include "platform/file_dialogs_service.h"
#include "platform/input_box.h"
#include "platform/message_box.h"
#include "platform/testing/modal_driver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QWindow>
#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

class WindowPlaces : public ToolWindowsProgram {
protected:
    // The window system puts the window's client area there, as a user
    // dragging its title bar does: the program's own placing stays untouched.
    static void moveBySystem(QWidget& window, QPoint clientCorner) {
        window.windowHandle()->setPosition(clientCorner);
        QCoreApplication::processEvents();
    }
};

struct ToolWindow {
    const char* name;
    MenuId entry;
};

const ToolWindow ToolWindows[] = {
    {"charset conversion", MenuId::Mnu_Conv_Charset},
    {"colour gradient", MenuId::Mnu_HTML_ColorFade},
    {"line ends", MenuId::mnu_utiliti_dos_unix},
    {"calculator", MenuId::mnucalk},
    {"code table", MenuId::mnuASCII},
    {"keyboard", MenuId::mnuklavesnice},
    {"frequency analysis", MenuId::mnu_analysis},
    {"shift cipher", MenuId::mnu_encrypt_shift},
    {"case mask", MenuId::Mnu_CaseMask},
    {"find", MenuId::mnufind},
    {"replace", MenuId::mnuchange},
    {"open", MenuId::mnuopen},
    {"about", MenuId::mnuabout},
    {"colour rules", MenuId::MnuColorEdit},
    {"horizontal rule", MenuId::mnuhr},
    {"image", MenuId::mnuobr},
    {"table", MenuId::mnutable},
    {"HTML frame", MenuId::mnuHTML_Fme},
};

TEST_F(WindowPlaces, ToolWindowComesBackWhereTheUserLeftIt) {
    for (const ToolWindow& tool : ToolWindows) {
        SCOPED_TRACE(tool.name);
        QWidget* window = open(tool.entry);
        ASSERT_NE(window, nullptr);
        moveBySystem(*window, form.frameGeometry().topLeft() + QPoint(237, 143));
        const QRect client = window->geometry();
        const QRect frame = window->frameGeometry();
        ASSERT_NE(client.topLeft(), frame.topLeft()) << "the window needs a frame of its own";
        for (int round = 1; round <= 3; ++round) {
            window->hide();
            // Hidden, the client area is reported where the frame stood, as a
            // window manager leaves a window it no longer decorates.
            moveBySystem(*window, frame.topLeft());
            ASSERT_EQ(open(tool.entry), window);
            EXPECT_EQ(window->geometry(), client) << "round " << round;
            EXPECT_EQ(window->frameGeometry(), frame) << "round " << round;
        }
        window->hide();
    }
}

// Left with its title bar above the screen or off its side, a window shown
// again has its title bar on the monitor it shows on, the second of two
// (beside the first, 100 px lower, its panel at the top) included.
TEST_F(WindowPlaces, ToolWindowComesBackWithItsTitleBarOnTheScreen) {
    platform.frames.frameOnTwoMonitors();
    const std::optional<int> stays; // that side stays where it was left
    const struct {
        const char* name;
        QPoint leftAt;
        std::optional<int> left, top;
    } cases[] = {
        {"above the screen", {300, -30}, stays, 0},
        {"left of it", {-100, 200}, 0, stays},
        {"above the second monitor", {1000, 60}, stays, 130},
    };
    for (const MenuId entry : {MenuId::mnuhr, MenuId::mnustart}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            QWidget* window = open(entry);
            ASSERT_NE(window, nullptr);
            moveBySystem(*window, c.leftAt + window->geometry().topLeft() -
                                      window->frameGeometry().topLeft());
            const QPoint left = window->frameGeometry().topLeft();
            // The offscreen platform may shift the frame by its own border.
            ASSERT_LE((left - c.leftAt).manhattanLength(), 4);
            window->hide();
            ASSERT_EQ(open(entry), window);
            EXPECT_EQ(window->frameGeometry().topLeft(),
                      QPoint(c.left.value_or(left.x()), c.top.value_or(left.y())));
            platform.unloadWindows(&form); // no place kept from this case moves the next
        }
    }
}

// Shown again from the help menu, the start screen stays above the main
// window, as the other tool windows do.
TEST_F(WindowPlaces, StartScreenFromTheMenuIsOwnedByTheMainWindow) {
    QWidget* start = open(MenuId::mnustart);
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->windowType(), Qt::Dialog);
    EXPECT_EQ(start->windowHandle()->transientParent(), form.windowHandle());
}

TEST_F(WindowPlaces, PlaceTheProgramGivesAHiddenWindowStands) {
    QWidget* window = open(MenuId::Mnu_Conv_Charset);
    ASSERT_NE(window, nullptr);
    moveBySystem(*window, QPoint(300, 200));
    window->hide();
    const QPoint given = form.frameGeometry().topLeft() + QPoint(40, 30);
    window->move(given);
    ASSERT_EQ(open(MenuId::Mnu_Conv_Charset), window);
    EXPECT_EQ(window->pos(), given);
}

// A turn of modal windows, pickers and boxes, opened from a window.
struct ModalTurn {
    const char* name;
    // None: the main window.
    std::optional<MenuId> opener;
    // Readies the opener and clicks what opens the modal windows.
    std::function<void(QWidget& opener)> ask;
    // A file dialog and the box after it make two: the window system
    // confirms the activation the first hands back only after the second is up.
    int windows = 1;
};

void clickIn(QWidget& window, const QString& button) {
    QAbstractButton* found = window.findChild<QAbstractButton*>(button);
    ASSERT_NE(found, nullptr) << button.toStdString();
    found->click();
}

// Clicks the buttons named, in turn.
template <class... Names> auto Clicking(Names... names) {
    return [=](QWidget& window) { (clickIn(window, names), ...); };
}

const ModalTurn ModalTurns[] = {
    {"colour of the gradient's start", MenuId::Mnu_HTML_ColorFade, Clicking(u"Cmnd1"_s)},
    {"colour of the gradient's end", MenuId::Mnu_HTML_ColorFade, Clicking(u"Cmnd2"_s)},
    {"border colour of the HTML frame", MenuId::mnuHTML_Fme, Clicking(u"Check9"_s, u"Command4"_s)},
    {"image of the form builder", MenuId::Mnu_HTMLFormInput,
     [](QWidget& builder) {
         auto* types = builder.findChild<QComboBox*>(u"CmbType"_s);
         types->setCurrentIndex(types->findText(u"IMAGE"_s));
         clickIn(builder, u"CmndImage"_s);
     }},
    {"cell of the table", MenuId::mnutable, Clicking(u"Command3"_s)},
    {"row of the table", MenuId::mnutable, Clicking(u"Command6"_s)},
    {"text colour of the settings", MenuId::mnumore, Clicking(u"Command8"_s)},
    {"user page of the settings, from the about window", MenuId::mnuabout,
     [](QWidget& about) {
         QTest::mouseClick(about.findChild<QLabel*>(u"Label4"_s), Qt::LeftButton);
     }},
    {"error of a cipher table read from a pipe", MenuId::mnu_rnd_encrypt, Clicking(u"Command3"_s),
     2},
    {"error of a rule set read from a pipe", MenuId::MnuColorEdit, Clicking(u"Command3"_s), 2},
    {"error of a picture that is a pipe", MenuId::mnuobr, Clicking(u"FileChoose"_s), 2},
    {"notice of the line ends of a pipe", MenuId::mnu_utiliti_dos_unix,
     Clicking(u"Command4"_s, u"Command1"_s), 2},
    {"input box of the quick search", std::nullopt,
     [](QWidget& form) {
         static_cast<MainForm&>(form).menu().action(MenuId::mnusearch)->trigger();
     }},
};

// Closes count modal windows in turn as they come up, recording the window
// each stood above: a file dialog chooses pipe, any other is cancelled.
void CloseModalWindows(int count, const QString& pipe, QList<QPointer<QWidget>>& owners) {
    if (count == 0)
        return;
    WhenModalShown<QDialog>([count, pipe, &owners](QDialog* window) {
        owners << window->parentWidget();
        if (auto* files = qobject_cast<QFileDialog*>(window)) {
            // Typed, as the dialog lists no pipe under its filter.
            files->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(pipe);
            static_cast<QDialog*>(files)->accept();
        }
        // A refused choice is cancelled all the same: the turn goes on.
        if (window->isVisible())
            window->reject();
        CloseModalWindows(count - 1, pipe, owners);
    });
}

TEST_F(WindowPlaces, ClosedModalWindowHandsTheKeyboardBackToItsOpener) {
    QtMessageBoxService messageBoxes;
    QtInputBoxService inputBoxes;
    QtFileDialogService fileDialogs;
    Platform().messageBox = &messageBoxes;
    Platform().inputBox = &inputBoxes;
    Platform().fileDialogs = &fileDialogs;
    QTemporaryDir folder;
    const QString pipe = folder.filePath(u"pipe"_s);
    ASSERT_TRUE(MakeSpecialFile(pipe, SpecialFile::Pipe));
    for (const ModalTurn& turn : ModalTurns) {
        SCOPED_TRACE(turn.name);
        QWidget* opener = turn.opener ? open(*turn.opener) : &form;
        ASSERT_NE(opener, nullptr);
        QApplication::setActiveWindow(opener);
        ASSERT_TRUE(QTest::qWaitForWindowActive(opener));
        QWidget* focused = QApplication::focusWidget();
        QList<QPointer<QWidget>> owners;
        CloseModalWindows(turn.windows, pipe, owners);
        turn.ask(*opener);
        EXPECT_EQ(owners, QList<QPointer<QWidget>>(turn.windows, opener))
            << "each stands above its opener";
        (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == opener; });
        EXPECT_EQ(QApplication::activeWindow(), opener);
        EXPECT_EQ(QApplication::focusWidget(), focused) << "typing goes on where it was";
        if (opener != &form)
            opener->hide();
    }
}

} // namespace
