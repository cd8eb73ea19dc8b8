// What the rich-text surface must do beyond the shared contract: the user's
// own edits through the widget keep the text lossless and line breaks in
// their kinds.
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// Types text the way a keyboard layout with these letters would deliver it.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class RichEditSurfaceTest : public ::testing::Test {
protected:
    RichEditSurfaceTest() {
        window.setCentralWidget(surface->widget());
        window.show();
        QApplication::setActiveWindow(&window);
        surface->widget()->setFocus();
    }

    QMainWindow window;
    RichEditSurface* surface = new RichEditSurface(&window);
};

TEST_F(RichEditSurfaceTest, EnterTypedByTheUserMakesCrLfInsideAnyKindOfText) {
    for (const QString& text :
         {QStringLiteral("ab\ncd"), QStringLiteral("ab\rcd"), QStringLiteral("ab\r\ncd")}) {
        surface->setText(text);
        surface->setSelStart(1);
        QTest::keyClick(surface->widget(), Qt::Key_Return);
        EXPECT_EQ(surface->text(), QString(text).insert(1, QStringLiteral("\r\n")));
        EXPECT_EQ(surface->selStart(), 3);
        QTest::keyClick(surface->widget(), Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(surface->text(), QString(text).insert(1, QStringLiteral("\r\n\r\n")));
    }
}

TEST_F(RichEditSurfaceTest, BackspaceAndUndoKeepTheKindsOfTheOtherBreaks) {
    surface->setText(QStringLiteral("a\nb\rc\r\nd"));
    surface->setSelStart(2);
    QTest::keyClick(surface->widget(), Qt::Key_Backspace);
    EXPECT_EQ(surface->text(), QStringLiteral("ab\rc\r\nd"));
    surface->widget()->undo();
    EXPECT_EQ(surface->text(), QStringLiteral("a\nb\rc\r\nd"));
    surface->widget()->redo();
    EXPECT_EQ(surface->text(), QStringLiteral("ab\rc\r\nd"));
}

TEST_F(RichEditSurfaceTest, TypedOrPastedCharactersOutsideTheCodePageBecomeQuestionMarks) {
    surface->setText(QStringLiteral("[]"));
    surface->setSelStart(1);
    typeText(surface->widget(), QStringLiteral("ž€Ж"));
    EXPECT_EQ(surface->text(), QStringLiteral("[ž€?]"));

    // Pasted text keeps its line breaks and raises one change.
    QApplication::clipboard()->setText(QStringLiteral("x\ny\rz\r\nЖ\u00a0"));
    QSignalSpy changed(surface, &EditorSurface::textChanged);
    surface->widget()->paste();
    EXPECT_EQ(surface->text(), QStringLiteral("[ž€?x\ny\rz\r\n?\u00a0]"));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(RichEditSurfaceTest, NulShowsAsAPlaceholderAndIsReadAndCopiedAsNul) {
    const QString text = QStringLiteral("a") + QChar(0) + QStringLiteral("\nb\r\n\u00a0c");
    surface->setText(text);
    EXPECT_EQ(surface->widget()->document()->toRawText().left(3), QStringLiteral("a\u2400\u2029"));
    EXPECT_EQ(surface->text(), text);
    surface->setSelStart(0);
    surface->setSelLength(surface->textLength());
    surface->widget()->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
}

// Formatting raises none: the shared contract checks that.
TEST_F(RichEditSurfaceTest, EachUserEditRaisesOneChange) {
    surface->setText(QStringLiteral("hello"));
    QSignalSpy changed(surface, &EditorSurface::textChanged);
    surface->setSelStart(1);
    surface->setSelLength(3);
    QTest::keyClicks(surface->widget(), QStringLiteral("x"));
    EXPECT_EQ(changed.count(), 1);
    QTest::keyClick(surface->widget(), Qt::Key_Return);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(surface->text(), QStringLiteral("hx\r\no"));
}

TEST_F(RichEditSurfaceTest, MenuShortcutsWinOverTheWidgetsOwnKeys) {
    surface->setText(QStringLiteral("abc"));
    QTest::keyClick(surface->widget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(surface->selLength(), 3); // no menu claims the key yet

    surface->setSelLength(0);
    int triggered = 0;
    auto* selectAll = new QAction(&window);
    selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    QObject::connect(selectAll, &QAction::triggered, [&triggered] { ++triggered; });
    window.addAction(selectAll);
    QTest::keyClick(surface->widget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(surface->selLength(), 0);
}

TEST_F(RichEditSurfaceTest, MiddleButtonIsReportedAndPastesNothingAndRightOpensNoMenu) {
    surface->setText(QStringLiteral("abc"));
    QApplication::clipboard()->setText(QStringLiteral("xyz"));
    QSignalSpy middle(surface->widget(), &SurfaceTextEdit::middleButtonClicked);
    QTest::mouseClick(surface->widget()->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(middle.count(), 1);
    EXPECT_EQ(surface->text(), QStringLiteral("abc"));
    EXPECT_EQ(surface->widget()->contextMenuPolicy(), Qt::PreventContextMenu);
}

TEST_F(RichEditSurfaceTest, LargeLfDocumentMapsPositionsAfterAnEnterTypedAtItsStart) {
    QString text;
    for (int line = 0; line < 2000; ++line)
        text += QStringLiteral("line %1\n").arg(line);
    surface->setText(text);
    surface->setSelStart(0);
    QTest::keyClick(surface->widget(), Qt::Key_Return);
    const QString expected = QStringLiteral("\r\n") + text;
    ASSERT_EQ(surface->textLength(), expected.size());
    const int nearEnd = expected.lastIndexOf(QStringLiteral("line 1999"));
    surface->setSelStart(nearEnd);
    surface->setSelLength(9);
    EXPECT_EQ(surface->selText(), QStringLiteral("line 1999"));
    EXPECT_EQ(surface->lineFromPosition(nearEnd), 2000);
    EXPECT_EQ(surface->text(), expected);
}

TEST_F(RichEditSurfaceTest, AVeryLongLineWithoutSpacesLoadsInLinearTime) {
    QElapsedTimer timer;
    timer.start();
    surface->setText(QString(400000, u'a'));
    QApplication::processEvents();
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_EQ(surface->textLength(), 400000);
}

} // namespace
