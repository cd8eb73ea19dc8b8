// Text from outside never makes a document longer than the largest one the
// program opens: such a document could be saved, and autosaved at the exit,
// but never opened again.
#include "shell/main_form_test.h"

#include <QMimeData>

using namespace Qt::StringLiterals;

namespace {

using DocumentRoom = MainFormTest;

enum class Route { Paste, ReplaceAll, NewFromClipboard, Drop };

struct RouteCase {
    const char* name;
    Route route;
    qint64 kept; // characters of the document that stay beside what comes
    bool asks;   // a question comes before the text once it fits
    QString told;
};

QString linesOfLength(qint64 length) {
    return u"radek\r\n"_s.repeated(static_cast<int>(length / 7 + 1)).left(static_cast<int>(length));
}

// As a drag from another program ends over the widget, at its first line.
void dropText(QWidget& target, const QString& text) {
    QMimeData dragged;
    dragged.setText(text);
    const QPoint at(2, 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
    QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
}

TEST_F(DocumentRoom, EveryRouteTakesTextUpToTheLargestDocumentAndRefusesMoreUnchanged) {
    const QString document = u"před VYBER za"_s;
    const RouteCase routes[] = {
        {"paste", Route::Paste, 13, false, u"Text ze schránky (%1 znaků)"_s},
        {"replace all", Route::ReplaceAll, 0, true, u"Text ze schránky (%1 znaků)"_s},
        {"new from clipboard", Route::NewFromClipboard, 0, true, u"Text ze schránky (%1 znaků)"_s},
        {"drop", Route::Drop, 13, false, u"Vkládaný text (%1 znaků)"_s},
    };
    for (const RouteCase& route : routes) {
        for (const qint64 added : {LargestDocumentSize - route.kept,
                                   LargestDocumentSize - route.kept + 1, qint64{3000025}}) {
            SCOPED_TRACE(testing::Message() << route.name << " " << added);
            const bool fits = route.kept + added <= LargestDocumentSize;
            surface().setText(document);
            surface().setSelStart(5);
            surface().setSelLength(5);
            form.documents().setCaption(QString(), false);
            platform.messageBox.shown.clear();
            const QString text = linesOfLength(added);
            platform.clipboard.setText(text);
            if (fits && route.asks)
                platform.messageBox.queue(MessageBoxAnswer::Yes);

            if (route.route == Route::Drop) {
                dropText(*form.Text1()->viewport(), text);
            } else {
                run(route.route == Route::Paste        ? MenuId::MnuAdd
                    : route.route == Route::ReplaceAll ? MenuId::mnuinsert
                                                       : MenuId::mnunewclip);
            }

            if (fits) {
                EXPECT_EQ(surface().textLength(), LargestDocumentSize);
                EXPECT_EQ(platform.messageBox.shown.size(), route.asks ? 1 : 0);
                continue;
            }
            EXPECT_EQ(surface().text(), document);
            EXPECT_FALSE(form.documents().captionModified());
            ASSERT_EQ(platform.messageBox.shown.size(), 1) << "refused before any question";
            const MessageBoxRequest& told = platform.messageBox.shown.front().request;
            EXPECT_EQ(told.title, u"Vložení"_s);
            EXPECT_EQ(
                told.text,
                route.told.arg(added) +
                    u" nelze vložit: dokument by pak měl %1 znaků, smí jich však mít "
                    "nejvýš 1442401, jinak by ho již nešlo otevřít."_s.arg(route.kept + added));
        }
    }
}

} // namespace
