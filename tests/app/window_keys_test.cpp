// Enter and Esc in the program's windows: typed into a line edit or an
// editable combo box, Enter presses the window's default button and Esc
// hides the window, each where the window has one.
#include "tool_windows_program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct KeyedWindow {
    const char* name;
    MenuId entry;
    // Empty: Enter presses no button.
    QString defaultButton;
    bool escHides = true;
};

const KeyedWindow KeyedWindows[] = {
    {"custom tag", MenuId::mnuvlastni, u"Command3"_s},
    {"tag attributes", MenuId::mnuatr, u"Command3"_s},
    {"link to an anchor", MenuId::mnuodkaz, u"Command1"_s},
    {"link to a file", MenuId::mnuodkazjiny, u"Command1"_s},
    {"colour", MenuId::mnubarva, u"Command1"_s},
    {"meta tag", MenuId::MnuMeta, {}},
    {"mail link", MenuId::mnumailto, {}},
    {"anchor", MenuId::mnukotva, u"Command1"_s},
    {"heading", MenuId::mnulabel, u"Command1"_s},
    {"ID", MenuId::mnuid, u"Command1"_s},
    {"style sheet link", MenuId::MnuHTML_link, u"Command1"_s},
    // Opened for one input, its add button is the default.
    {"form builder", MenuId::Mnu_HTMLFormInput, u"CmndAddInput"_s},
    {"list", MenuId::mnulist, u"CmndOk"_s},
    {"table", MenuId::mnutable, u"Command1"_s},
    {"characters of the selection", MenuId::Mnu_Sel_CharConv, u"CmndOK"_s},
    {"repeat the selection", MenuId::Mnu_SelText_Rap, u"CmndOK"_s},
    {"case mask", MenuId::Mnu_CaseMask, u"CmndOK"_s, false},
    {"shift cipher", MenuId::mnu_encrypt_shift, u"Command1"_s},
    {"key cipher", MenuId::mnucode, u"Command1"_s},
    {"charset conversion", MenuId::Mnu_Conv_Charset, u"CmndOK"_s},
};

enum class Typing { EditableCombo, LineEdit };

// The first control of that kind the user can type into.
QWidget* TypingPlace(QWidget& window, Typing typing) {
    if (typing == Typing::EditableCombo) {
        for (QComboBox* combo : window.findChildren<QComboBox*>()) {
            if (combo->isEditable() && combo->isVisible() && combo->isEnabled())
                return combo;
        }
        return nullptr;
    }
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(edit->parentWidget()) && edit->isVisible() &&
            edit->isEnabled() && !edit->isReadOnly())
            return edit;
    }
    return nullptr;
}

using WindowKeys = ToolWindowsProgram;

TEST_F(WindowKeys, EnterPressesTheDefaultButtonAndEscHidesFromEveryTypingPlace) {
    int typed = 0;
    for (const KeyedWindow& keyed : KeyedWindows) {
        for (const Typing typing : {Typing::EditableCombo, Typing::LineEdit}) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
                SCOPED_TRACE(::testing::Message()
                             << keyed.name
                             << (typing == Typing::LineEdit ? ", line edit" : ", combo")
                             << (key == Qt::Key_Return ? ", Enter" : ", Esc"));
                QWidget* window = open(keyed.entry);
                ASSERT_NE(window, nullptr);
                QWidget* place = TypingPlace(*window, typing);
                if (place == nullptr) {
                    window->hide();
                    continue;
                }
                ++typed;
                QApplication::setActiveWindow(window);
                ASSERT_TRUE(QTest::qWaitForWindowActive(window));
                place->setFocus();
                std::vector<std::pair<QPushButton*, std::unique_ptr<QSignalSpy>>> clicks;
                QPushButton* defaultButton = nullptr;
                for (QPushButton* button : window->findChildren<QPushButton*>()) {
                    clicks.emplace_back(
                        button, std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
                    if (button->objectName() == keyed.defaultButton)
                        defaultButton = button;
                }
                // Enabled, as after the user has filled in what it waits for.
                if (defaultButton != nullptr)
                    defaultButton->setEnabled(true);
                QTest::keyClick(QApplication::focusWidget(), key);
                QCoreApplication::processEvents();
                QStringList pressed;
                for (const auto& [button, spy] : clicks) {
                    if (!spy->isEmpty())
                        pressed << button->objectName();
                }
                const bool enter = key == Qt::Key_Return;
                EXPECT_EQ(pressed, enter && defaultButton ? QStringList{keyed.defaultButton}
                                                          : QStringList{});
                if (!enter) {
                    EXPECT_EQ(window->isVisible(), !keyed.escHides);
                }
                window->hide();
            }
        }
    }
    EXPECT_GT(typed, 0);
}

} // namespace
