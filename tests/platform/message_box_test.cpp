#include "platform/message_box.h"
#include "platform/testing/modal_driver.h"

#include <QKeyEvent>
#include <QLabel>
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

// Shows a box with the text and title given and runs look on it while it is open.
void WhileShown(const QString& text, const QString& title, std::function<void(QMessageBox*)> look) {
    WhenModalShown<QMessageBox>([&](QMessageBox* box) {
        look(box);
        box->close();
    });
    (void)QtMessageBoxService().show({text, title}, nullptr);
}

// Tags and entities that name a file or quote the document are shown as typed:
// read as markup, "<b>a</b>" would show as a bold "a", narrower than the text.
TEST(QtMessageBox, ShowsTagsAndEntitiesInItsTextAsTheyStand) {
    const QString kTexts[] = {
        u"Opravdu uložit /tmp/<b>a</b>.html?\r\nSoubor již existuje a bude přepsán!"_s,
        u"<P>a<P>b<P>c"_s,
        u"Nenalezeno: &lt;table&gt;"_s,
    };
    for (const QString& text : kTexts) {
        SCOPED_TRACE(text.toStdString());
        int shownWidth = 0;
        int textWidth = 0;
        WhileShown(text, u"Soubor"_s, [&](QMessageBox* box) {
            const auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s);
            ASSERT_NE(label, nullptr);
            shownWidth = label->sizeHint().width();
            textWidth = label->fontMetrics().horizontalAdvance(text.section(u'\r', 0, 0));
        });
        EXPECT_GE(shownWidth, textWidth);
    }
}

// The window manager puts its icon and buttons beside the title, about a
// hundred pixels; a box sized to a short text alone would cut the title off.
TEST(QtMessageBox, IsWideEnoughForItsTitle) {
    constexpr int DecorationRoom = 100;
    struct Case {
        QString title;
        QString text;
    };
    const Case kCases[] = {
        {u"EdiTag"_s, u"Není tag!"_s},
        {u"Konverze znakové sady ČJ"_s, u"Hotovo"_s},
        {u"Konec"_s, u"OPRAVDU UKONČIT Kalkulačku (Tarvel Qor) ?"_s},
    };
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.title.toStdString());
        int width = 0;
        int textWidth = 0;
        WhileShown(c.text, c.title, [&](QMessageBox* box) {
            width = box->width();
            textWidth = box->fontMetrics().horizontalAdvance(c.text);
        });
        EXPECT_GE(width, QFontMetrics(titleFont).horizontalAdvance(c.title) + DecorationRoom);
        EXPECT_GT(width, textWidth);
    }
}

} // namespace
