#include "platform/message_box.h"
#include "platform/testing/modal_driver.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Answer = MessageBoxAnswer;
using Buttons = MessageBoxButtons;

namespace {

struct BoxCase {
    Buttons buttons;
    int defaultButton;
    QMessageBox::StandardButtons shown;
    QMessageBox::StandardButton defaultShown;
    Answer onEscape;
    MessageBoxIcon icon;
    QMessageBox::Icon iconShown;
};

const BoxCase kBoxes[] = {
    {Buttons::Ok, 1, QMessageBox::Ok, QMessageBox::Ok, Answer::Ok, MessageBoxIcon::None,
     QMessageBox::NoIcon},
    {Buttons::OkCancel, 2, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel,
     Answer::Cancel, MessageBoxIcon::Stop, QMessageBox::Critical},
    {Buttons::YesNo, 2, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, Answer::No,
     MessageBoxIcon::Question, QMessageBox::Question},
    {Buttons::YesNoCancel, 3, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
     QMessageBox::Cancel, Answer::Cancel, MessageBoxIcon::Exclamation, QMessageBox::Warning},
    {Buttons::RetryCancel, 1, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry,
     Answer::Cancel, MessageBoxIcon::Information, QMessageBox::Information},
    {Buttons::AbortRetryIgnore, 2, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
     QMessageBox::Retry, Answer::Ok, MessageBoxIcon::None, QMessageBox::NoIcon},
};

const std::pair<QMessageBox::StandardButton, Answer> kAnswers[] = {
    {QMessageBox::Ok, Answer::Ok},         {QMessageBox::Cancel, Answer::Cancel},
    {QMessageBox::Abort, Answer::Abort},   {QMessageBox::Retry, Answer::Retry},
    {QMessageBox::Ignore, Answer::Ignore}, {QMessageBox::Yes, Answer::Yes},
    {QMessageBox::No, Answer::No},
};

void PressEscape(QMessageBox* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &press);
}

// Every box is left by Esc, by its close box (both give the answer of Esc)
// and by each of its buttons.
TEST(QtMessageBox, ShowsTheRequestAndAnswersEveryWayOfLeaving) {
    using Leave = std::function<void(QMessageBox*)>;
    for (const BoxCase& c : kBoxes) {
        std::vector<std::pair<Leave, Answer>> ways = {
            {PressEscape, c.onEscape}, {[](QMessageBox* box) { box->close(); }, c.onEscape}};
        for (const auto& [button, answer] : kAnswers) {
            if (c.shown.testFlag(button))
                ways.push_back(
                    {[b = button](QMessageBox* box) { box->button(b)->click(); }, answer});
        }
        for (std::size_t way = 0; way < ways.size(); ++way) {
            SCOPED_TRACE(std::to_string(static_cast<int>(c.buttons)) + ", way " +
                         std::to_string(way));
            QWidget owner;
            QString title, text;
            QMessageBox::StandardButtons shown;
            QMessageBox::StandardButton defaultShown = QMessageBox::NoButton;
            QMessageBox::Icon iconShown = QMessageBox::NoIcon;
            QWidget* parent = nullptr;
            WhenModalShown<QMessageBox>([&](QMessageBox* box) {
                title = box->windowTitle();
                text = box->text();
                shown = box->standardButtons();
                defaultShown = box->standardButton(box->defaultButton());
                iconShown = box->icon();
                parent = box->parentWidget();
                ways[way].first(box);
            });
            EXPECT_EQ(QtMessageBoxService().show({u"Řádek 1\r\nŘádek 2"_s, u"Hledání"_s, c.buttons,
                                                  c.icon, c.defaultButton},
                                                 &owner),
                      ways[way].second);
            EXPECT_EQ(title, u"Hledání"_s);
            EXPECT_EQ(text, u"Řádek 1\r\nŘádek 2"_s);
            EXPECT_EQ(shown, c.shown);
            EXPECT_EQ(defaultShown, c.defaultShown);
            EXPECT_EQ(iconShown, c.iconShown);
            EXPECT_EQ(parent, &owner);
        }
    }
}

} // namespace
