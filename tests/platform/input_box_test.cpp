#include "platform/input_box.h"
#include "platform/testing/modal_driver.h"

#include <QInputDialog>
#include <QLabel>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// An emptied text confirmed with OK is an answer, not a cancel.
TEST(QtInputBox, ShowsPromptTitleAndDefaultAndAnswersTypedTextOrNulloptOnCancel) {
    struct Case {
        QString typed;
        bool accept;
        std::optional<QString> expected;
    };
    const Case kCases[] = {
        {u"3"_s, true, u"3"_s},
        {u"Šířka 20"_s, true, u"Šířka 20"_s},
        {QString(), true, QString()},
        {u"zahozeno"_s, false, std::nullopt},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.typed.toStdString());
        QWidget owner;
        QString prompt, title, shownDefault;
        QWidget* parent = nullptr;
        WhenModalShown<QInputDialog>([&](QInputDialog* dialog) {
            prompt = dialog->labelText();
            title = dialog->windowTitle();
            shownDefault = dialog->textValue();
            parent = dialog->parentWidget();
            dialog->setTextValue(c.typed);
            c.accept ? dialog->accept() : dialog->reject();
        });
        const auto answer =
            QtInputBoxService().ask(u"Zadejte počet:"_s, u"Tabulka"_s, u"3"_s, &owner);
        EXPECT_EQ(prompt, u"Zadejte počet:"_s);
        EXPECT_EQ(title, u"Tabulka"_s);
        EXPECT_EQ(shownDefault, u"3"_s);
        EXPECT_EQ(parent, &owner);
        EXPECT_EQ(answer, c.expected);
    }
}

// A proposal taken from the document may be a long selection: confirmed as
// it is, it comes back whole, not cut at a line edit's usual 32 767 characters.
TEST(QtInputBox, GivesBackALongProposalWhole) {
    for (const int length : {5, 32767, 32768, 100000}) {
        SCOPED_TRACE(length);
        const QString proposal = u"<b>x</b> "_s.repeated(length / 9 + 1).left(length);
        WhenModalShown<QInputDialog>([](QInputDialog* dialog) { dialog->accept(); });
        EXPECT_EQ(QtInputBoxService().ask(u"Vložte prosím text na hledání."_s, u"Hledání"_s,
                                          proposal, nullptr),
                  proposal);
    }
}

// Read as markup, "<b>Tag</b>" would show as a bold "Tag", narrower than the prompt.
TEST(QtInputBox, ShowsItsPromptAsItStands) {
    const QString prompt = u"Nový název pro <b>Tag</b> &lt;P&gt;:"_s;
    int shownWidth = 0;
    int promptWidth = 0;
    WhenModalShown<QInputDialog>([&](QInputDialog* dialog) {
        const auto* label = dialog->findChild<QLabel*>();
        ASSERT_NE(label, nullptr);
        shownWidth = label->sizeHint().width();
        promptWidth = label->fontMetrics().horizontalAdvance(prompt);
        dialog->reject();
    });
    (void)QtInputBoxService().ask(prompt, u"Tag"_s, {}, nullptr);
    EXPECT_GE(shownWidth, promptWidth);
    EXPECT_GT(promptWidth, 0);
}

} // namespace
