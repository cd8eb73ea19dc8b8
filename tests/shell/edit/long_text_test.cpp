// Text from outside is taken whatever its length, also past the largest
// document the program opens.
#include "shell/main_form_test.h"

#include <QMimeData>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using LongText = MainFormTest;

TEST_F(LongText, EveryRouteTakesAClipboardTextLongerThanADocument) {
    const QString document = u"před VYBER za"_s;
    const QString text = u"radek\r\n"_s.repeated(2000000 / 7 + 1).left(2000000);
    const struct {
        const char* name;
        std::optional<MenuId> command; // none: a drop from another program at the first line
        QString taken;
        bool asks;
    } routes[] = {{"paste", MenuId::MnuAdd, u"před "_s + text + u"VYBER za"_s, false},
                  {"replace all", MenuId::mnuinsert, text, true},
                  {"new from clipboard", MenuId::mnunewclip, text, true},
                  {"drop", std::nullopt, text + document, false}};
    for (const auto& route : routes) {
        SCOPED_TRACE(route.name);
        surface().setText(document);
        surface().setSelStart(5);
        surface().setSelLength(5);
        platform.messageBox.shown.clear();
        platform.clipboard.setText(text);
        if (route.asks)
            platform.messageBox.queue(MessageBoxAnswer::Yes);
        if (route.command) {
            run(*route.command);
        } else {
            QMimeData dragged;
            dragged.setText(text);
            QWidget* target = form.Text1()->viewport();
            const QPoint at(2, 2);
            QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
        }

        EXPECT_EQ(platform.messageBox.shown.size(), route.asks ? 1 : 0);
        EXPECT_TRUE(surface().text() == route.taken) << surface().textLength();
    }
}

} // namespace
