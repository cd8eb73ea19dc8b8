// Where the whole program's windows come back and which one is active: a
// tool window hidden and shown again stands where the user left it, and a
// modal picker hands the activation back to the window it was opened from.
#include "whole_program.h"

#include "platform/testing/modal_driver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QWindow>
#include <functional>
#include <ostream>

using namespace Qt::StringLiterals;

static void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.width() << "x" << rect.height() << "+" << rect.x() << "+" << rect.y();
}

namespace {

class WindowPlaces : public WholeProgram {
protected:
    ~WindowPlaces() override { platform.unloadWindows(&form); }

    // Runs the entry and gives the loaded window it shows (the only one up).
    QWidget* open(MenuId entry) {
        form.menu().action(entry)->trigger();
        QCoreApplication::processEvents();
        for (QWidget* window : Platform().windows->windows()) {
            if (window != &form && window->isVisible())
                return window;
        }
        return nullptr;
    }
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

struct PickerTurn {
    const char* name;
    MenuId opener;
    // Readies the opener and clicks the button that asks for the picker.
    std::function<void(QWidget& opener)> ask;
};

void clickIn(QWidget& window, const QString& button) {
    QAbstractButton* found = window.findChild<QAbstractButton*>(button);
    ASSERT_NE(found, nullptr) << button.toStdString();
    found->click();
}

const PickerTurn PickerTurns[] = {
    {"colour of the gradient's start", MenuId::Mnu_HTML_ColorFade,
     [](QWidget& gradient) { clickIn(gradient, u"Cmnd1"_s); }},
    {"colour of the gradient's end", MenuId::Mnu_HTML_ColorFade,
     [](QWidget& gradient) { clickIn(gradient, u"Cmnd2"_s); }},
    {"border colour of the HTML frame", MenuId::mnuHTML_Fme,
     [](QWidget& frame) {
         clickIn(frame, u"Check9"_s);
         clickIn(frame, u"Command4"_s);
     }},
    {"image of the form builder", MenuId::Mnu_HTMLFormInput,
     [](QWidget& builder) {
         auto* types = builder.findChild<QComboBox*>(u"CmbType"_s);
         types->setCurrentIndex(types->findText(u"IMAGE"_s));
         clickIn(builder, u"CmndImage"_s);
     }},
    {"cell of the table", MenuId::mnutable, [](QWidget& table) { clickIn(table, u"Command3"_s); }},
    {"row of the table", MenuId::mnutable, [](QWidget& table) { clickIn(table, u"Command6"_s); }},
    {"text colour of the settings", MenuId::mnumore,
     [](QWidget& settings) { clickIn(settings, u"Command8"_s); }},
    {"user page of the settings, from the about window", MenuId::mnuabout,
     [](QWidget& about) {
         QTest::mouseClick(about.findChild<QLabel*>(u"Label4"_s), Qt::LeftButton);
     }},
};

TEST_F(WindowPlaces, ClosedPickerHandsTheActivationBackToItsOpener) {
    for (const PickerTurn& turn : PickerTurns) {
        SCOPED_TRACE(turn.name);
        QWidget* opener = open(turn.opener);
        ASSERT_NE(opener, nullptr);
        QApplication::setActiveWindow(opener);
        ASSERT_TRUE(QTest::qWaitForWindowActive(opener));
        QPointer<QWidget> ownerDuringTurn;
        WhenModalShown<QDialog>([&](QDialog* picker) {
            ownerDuringTurn = picker->parentWidget();
            picker->reject();
        });
        turn.ask(*opener);
        EXPECT_EQ(ownerDuringTurn, opener) << "the picker stands above its opener";
        (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == opener; });
        EXPECT_EQ(QApplication::activeWindow(), opener);
        EXPECT_TRUE(opener->isAncestorOf(QApplication::focusWidget()))
            << "typing goes on in the opener";
        opener->hide();
    }
}

} // namespace
