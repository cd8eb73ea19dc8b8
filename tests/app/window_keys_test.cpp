// Enter and Esc typed into a line edit or an editable combo box: Enter
// presses the window's default button and Esc hides the window, each where
// the window has one.
#include "tool_windows_program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// HTML windows, one whose editable combo box once held the keys back, a file
// window and another.
const struct KeyedWindow {
    const char* name;
    MenuId entry;
    QString defaultButton; // empty: Enter presses none
    bool escHides = true;
} KeyedWindows[] = {
    {"custom tag", MenuId::mnuvlastni, u"Command3"_s},
    {"tag attributes", MenuId::mnuatr, u"Command3"_s},
    {"open", MenuId::mnuopen, u"Command1"_s},
    {"case mask", MenuId::Mnu_CaseMask, u"CmndOK"_s, false},
};

// The first control of that kind the user can type into.
QWidget* TypingPlace(QWidget& window, bool combo) {
    for (QWidget* place : window.findChildren<QWidget*>()) {
        const auto* box = qobject_cast<QComboBox*>(place);
        const auto* edit = qobject_cast<QLineEdit*>(place);
        const bool typed =
            combo ? box && box->isEditable()
                  : edit && !edit->isReadOnly() && !qobject_cast<QComboBox*>(edit->parentWidget());
        if (typed && place->isVisible() && place->isEnabled())
            return place;
    }
    return nullptr;
}

using WindowKeys = ToolWindowsProgram;

TEST_F(WindowKeys, EnterPressesTheDefaultButtonAndEscHidesFromEveryTypingPlace) {
    for (const KeyedWindow& keyed : KeyedWindows) {
        int places = 0;
        for (const bool combo : {true, false}) {
            for (const bool enter : {true, false}) {
                SCOPED_TRACE(::testing::Message() << keyed.name << (combo ? ", combo" : ", line")
                                                  << (enter ? ", Enter" : ", Esc"));
                QWidget* window = open(keyed.entry);
                ASSERT_NE(window, nullptr);
                QWidget* place = TypingPlace(*window, combo);
                places += place != nullptr;
                if (place != nullptr) {
                    QApplication::setActiveWindow(window);
                    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
                    place->setFocus();
                    QStringList pressed;
                    QObject listening;
                    for (QPushButton* button : window->findChildren<QPushButton*>()) {
                        // Enabled, as after the user has filled in what it waits for.
                        if (button->objectName() == keyed.defaultButton)
                            button->setEnabled(true);
                        QObject::connect(button, &QPushButton::clicked, &listening,
                                         [&pressed, button] { pressed << button->objectName(); });
                    }
                    QTest::keyClick(QApplication::focusWidget(),
                                    enter ? Qt::Key_Return : Qt::Key_Escape);
                    QCoreApplication::processEvents();
                    EXPECT_EQ(pressed, enter && !keyed.defaultButton.isEmpty()
                                           ? QStringList{keyed.defaultButton}
                                           : QStringList{});
                    EXPECT_TRUE(enter || window->isVisible() != keyed.escHides);
                }
                window->hide();
            }
        }
        EXPECT_GT(places, 0) << keyed.name;
    }
}

} // namespace
