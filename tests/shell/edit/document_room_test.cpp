// Text from outside never makes a document longer than the largest one the
// program opens: such a document could be saved, and autosaved at the exit,
// but never opened again.
#include "shell/main_form_test.h"

#include <QMimeData>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using DocumentRoom = MainFormTest;

TEST_F(DocumentRoom, EveryRouteTakesTextUpToTheLargestDocumentAndRefusesMoreUnchanged) {
    const QString document = u"před VYBER za"_s;
    const struct {
        const char* name;
        std::optional<MenuId> command; // none: a drop from another program at the first line
        qint64 kept;                   // characters of the document that stay beside what comes
        bool asks;                     // a question comes before the text once it fits
    } routes[] = {{"paste", MenuId::MnuAdd, 13, false},
                  {"replace all", MenuId::mnuinsert, 0, true},
                  {"new from clipboard", MenuId::mnunewclip, 0, true},
                  {"drop", std::nullopt, 13, false}};
    for (const auto& route : routes) {
        for (const qint64 added :
             {LargestDocumentSize - route.kept, LargestDocumentSize - route.kept + 1}) {
            SCOPED_TRACE(testing::Message() << route.name << " " << added);
            const bool fits = route.kept + added <= LargestDocumentSize;
            surface().setText(document);
            surface().setSelStart(5);
            surface().setSelLength(5);
            form.documents().setCaption(QString(), false);
            platform.messageBox.shown.clear();
            const QString text = u"radek\r\n"_s.repeated(added / 7 + 1).left(added);
            platform.clipboard.setText(text);
            if (fits && route.asks)
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

            EXPECT_EQ(platform.messageBox.shown.size(), fits && !route.asks ? 0 : 1);
            if (fits) {
                EXPECT_EQ(surface().textLength(), LargestDocumentSize);
                continue;
            }
            EXPECT_EQ(surface().text(), document);
            EXPECT_FALSE(form.documents().captionModified());
            const MessageBoxRequest told = platform.messageBox.shown.value(0).request;
            EXPECT_EQ(told.title, u"Vložení"_s);
            EXPECT_EQ(
                told.text,
                (route.command ? u"Text ze schránky (%1 znaků)"_s : u"Vkládaný text (%1 znaků)"_s)
                        .arg(added) +
                    u" nelze vložit: dokument by pak měl %1 znaků, smí jich však mít "
                    "nejvýš 1442401, jinak by ho již nešlo otevřít."_s.arg(route.kept + added));
        }
    }
}

} // namespace
