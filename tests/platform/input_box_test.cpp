#include "platform/input_box.h"
#include "platform/testing/modal_driver.h"

#include <QInputDialog>
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

} // namespace
