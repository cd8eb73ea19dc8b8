#include "platform/message_box.h"
#include "platform/testing/modal_driver.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
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
};

const BoxCase kBoxes[] = {
    {Buttons::Ok, 1, QMessageBox::Ok, QMessageBox::Ok, Answer::Ok},
    {Buttons::OkCancel, 2, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel,
     Answer::Cancel},
    {Buttons::YesNo, 2, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, Answer::No},
    {Buttons::YesNoCancel, 3, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
     QMessageBox::Cancel, Answer::Cancel},
    {Buttons::RetryCancel, 1, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry,
     Answer::Cancel},
    {Buttons::AbortRetryIgnore, 2, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
     QMessageBox::Retry, Answer::Ok},
};

void PressEscape(QMessageBox* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &press);
}

TEST(QtMessageBox, ShowsButtonsDefaultAndAnswersEscape) {
    for (const BoxCase& c : kBoxes) {
        SCOPED_TRACE(static_cast<int>(c.buttons));
        QWidget owner;
        QMessageBox::StandardButtons shown;
        QMessageBox::StandardButton defaultShown = QMessageBox::NoButton;
        QWidget* parent = nullptr;
        WhenModalShown<QMessageBox>([&](QMessageBox* box) {
            shown = box->standardButtons();
            defaultShown = box->standardButton(box->defaultButton());
            parent = box->parentWidget();
            PressEscape(box);
        });
        const Answer answer =
            QtMessageBoxService().show({u"Soubor nebyl uložen."_s, u"Tarvel"_s, c.buttons,
                                        MessageBoxIcon::None, c.defaultButton},
                                       &owner);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(defaultShown, c.defaultShown);
        EXPECT_EQ(parent, &owner);
        EXPECT_EQ(answer, c.onEscape);
    }
}

TEST(QtMessageBox, CloseButtonGivesEscapeAnswer) {
    for (const BoxCase& c : kBoxes) {
        SCOPED_TRACE(static_cast<int>(c.buttons));
        WhenModalShown<QMessageBox>([](QMessageBox* box) { box->close(); });
        EXPECT_EQ(QtMessageBoxService().show({u"?"_s, u"T"_s, c.buttons}, nullptr), c.onEscape);
    }
}

TEST(QtMessageBox, EachButtonGivesItsAnswer) {
    const std::pair<QMessageBox::StandardButton, Answer> kAnswers[] = {
        {QMessageBox::Ok, Answer::Ok},         {QMessageBox::Cancel, Answer::Cancel},
        {QMessageBox::Abort, Answer::Abort},   {QMessageBox::Retry, Answer::Retry},
        {QMessageBox::Ignore, Answer::Ignore}, {QMessageBox::Yes, Answer::Yes},
        {QMessageBox::No, Answer::No},
    };
    for (const BoxCase& c : kBoxes) {
        for (const auto& [button, expected] : kAnswers) {
            if (!c.shown.testFlag(button))
                continue;
            SCOPED_TRACE(static_cast<int>(expected));
            WhenModalShown<QMessageBox>([&](QMessageBox* box) { box->button(button)->click(); });
            EXPECT_EQ(QtMessageBoxService().show({u"?"_s, u"T"_s, c.buttons}, nullptr), expected);
        }
    }
}

TEST(QtMessageBox, ShowsTitleTextAndIcon) {
    const std::pair<MessageBoxIcon, QMessageBox::Icon> kIcons[] = {
        {MessageBoxIcon::None, QMessageBox::NoIcon},
        {MessageBoxIcon::Stop, QMessageBox::Critical},
        {MessageBoxIcon::Question, QMessageBox::Question},
        {MessageBoxIcon::Exclamation, QMessageBox::Warning},
        {MessageBoxIcon::Information, QMessageBox::Information},
    };
    for (const auto& [icon, expected] : kIcons) {
        QString title;
        QString text;
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        WhenModalShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            shown = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(QtMessageBoxService().show(
                      {u"Řádek 1\r\nŘádek 2"_s, u"Hledání"_s, Buttons::Ok, icon}, nullptr),
                  Answer::Ok);
        EXPECT_EQ(title, u"Hledání"_s);
        EXPECT_EQ(text, u"Řádek 1\r\nŘádek 2"_s);
        EXPECT_EQ(shown, expected);
    }
}

} // namespace
