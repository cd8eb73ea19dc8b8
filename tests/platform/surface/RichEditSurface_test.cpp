// What the rich-text surface must do beyond the shared contract: the user's
// own edits through the widget keep the text lossless and line breaks in
// their kinds.
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/surface/surface_contract.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMimeData>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
        // No menu claims Ctrl+Enter here: it still makes a CR LF.
        QTest::keyClick(surface->widget(), Qt::Key_Enter, Qt::ControlModifier);
        EXPECT_EQ(surface->text(), QString(text).insert(1, QStringLiteral("\r\n\r\n\r\n")));
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

// Alt or Ctrl with a key no menu takes types nothing and changes nothing.
TEST_F(RichEditSurfaceTest, AltOrCtrlWithAKeyNoMenuTakesTypesNothing) {
    surface->setText(QStringLiteral("abc"));
    surface->setSelStart(3);
    QSignalSpy changed(surface, &EditorSurface::textChanged);
    for (const Qt::Key key : {Qt::Key_M, Qt::Key_P, Qt::Key_Q, Qt::Key_7}) {
        QTest::keyClick(surface->widget(), key, Qt::AltModifier);
        QTest::keyClick(surface->widget(), key, Qt::ControlModifier);
        QTest::keyClick(surface->widget(), key, Qt::AltModifier | Qt::ShiftModifier);
        QTest::keyClick(surface->widget(), key, Qt::AltModifier | Qt::ControlModifier);
    }
    EXPECT_EQ(surface->text(), QStringLiteral("abc"));
    EXPECT_EQ(changed.count(), 0);
    QTest::keyClick(surface->widget(), Qt::Key_M);
    EXPECT_EQ(surface->text(), QStringLiteral("abcm"));
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

// A new whole text is a new document: nothing before it can be undone, and
// what a handler of its change formats belongs to it, not to an undo step.
TEST_F(RichEditSurfaceTest, NewWholeTextCannotBeUndoneAndItsHandlerFormatsItInPlace) {
    surface->setText(u"old"_s);
    surface->setSelStart(3);
    surface->setSelText(u"er"_s);
    const ColorValue red = RgbColor(200, 0, 0);
    const auto connection = QObject::connect(surface, &EditorSurface::textChanged, [this, red] {
        surface->setSelStart(0);
        surface->setSelLength(surface->textLength());
        surface->setSelColor(red);
        surface->setSelStart(1);
    });
    surface->setText(u"a\nb\r\nc"_s);
    QObject::disconnect(connection);

    EXPECT_FALSE(surface->document()->isUndoAvailable());
    surface->widget()->undo();
    EXPECT_EQ(Shown(surface->text()), "a\\nb\\r\\nc");
    EXPECT_EQ(surface->selStart(), 1);
    for (const int p : {0, 2, 5}) {
        surface->setSelStart(p);
        surface->setSelLength(1);
        EXPECT_EQ(surface->selColor(), red) << "position " << p;
    }
}

// Another document shown in the widget brings its own text and break kinds;
// a fresh one starts empty with the editor's font, and edits go to the shown one.
TEST_F(RichEditSurfaceTest, ShownDocumentBringsItsOwnTextAndBreakKinds) {
    surface->setText(u"a\nb\rc\r\nd"_s);
    QTextDocument* first = surface->document();
    auto* second = new QTextDocument(&window);
    surface->setDocument(second);
    EXPECT_EQ(surface->textLength(), 0);
    EXPECT_EQ(surface->selFontName(), u"Courier New CE"_s);
    surface->setText(u"x\r\ny\r\nz"_s);
    QTest::keyClick(surface->widget(), Qt::Key_Return);
    EXPECT_EQ(Shown(surface->text()), "\\r\\nx\\r\\ny\\r\\nz");

    surface->setDocument(first);
    EXPECT_EQ(Shown(surface->text()), "a\\nb\\rc\\r\\nd");
    EXPECT_EQ(surface->textLength(), 8);
    EXPECT_EQ(surface->lineFromPosition(7), 3);
    surface->setSelStart(7);
    QTest::keyClick(surface->widget(), Qt::Key_Backspace);
    EXPECT_EQ(Shown(surface->text()), "a\\nb\\rcd");
    surface->setDocument(second);
    EXPECT_EQ(Shown(surface->text()), "\\r\\nx\\r\\ny\\r\\nz");
}

// Its timing is in bench/surface_bench; a quadratic layout would stall here.
TEST_F(RichEditSurfaceTest, AVeryLongLineWithoutSpacesLoadsAndLaysOut) {
    surface->setText(QString(400000, u'a'));
    QApplication::processEvents();
    EXPECT_EQ(surface->textLength(), 400000);
}

// The three edits that once changed the kind of the break before a line:
// the widget joined the lines and kept the data of the line after.
TEST_F(RichEditSurfaceTest, DeletingOrTypingOverALineWithItsBreakKeepsTheBreakBefore) {
    struct Case {
        const char* name;
        QString text;
        int start;
        std::function<void(QWidget*)> keys;
        QString expected;
    };
    const auto selectLine = [](QWidget* w) { QTest::keyClick(w, Qt::Key_Down, Qt::ShiftModifier); };
    const Case cases[] = {
        {"b LF selected, X typed", u"a\rb\nc"_s, 2,
         [](QWidget* w) {
             QTest::keyClick(w, Qt::Key_Right, Qt::ShiftModifier);
             QTest::keyClick(w, Qt::Key_Right, Qt::ShiftModifier);
             typeText(w, u"X"_s);
         },
         u"a\rXc"_s},
        {"b LF selected, Delete", u"a\r\nb\nc"_s, 3,
         [](QWidget* w) {
             QTest::keyClick(w, Qt::Key_Right, Qt::ShiftModifier);
             QTest::keyClick(w, Qt::Key_Right, Qt::ShiftModifier);
             QTest::keyClick(w, Qt::Key_Delete);
         },
         u"a\r\nc"_s},
        {"Shift+Down, Delete", u"a\r\nb\nc"_s, 3,
         [&selectLine](QWidget* w) {
             selectLine(w);
             QTest::keyClick(w, Qt::Key_Delete);
         },
         u"a\r\nc"_s},
        {"Shift+Down, cut", u"a\nb\rc\r\n"_s, 2,
         [&selectLine](QWidget* w) {
             selectLine(w);
             static_cast<SurfaceTextEdit*>(w)->cut();
         },
         u"a\nc\r\n"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        surface->setText(c.text);
        surface->setSelStart(c.start);
        c.keys(surface->widget());
        EXPECT_EQ(Shown(surface->text()), Shown(c.expected));
        surface->widget()->undo();
        EXPECT_EQ(Shown(surface->text()), Shown(c.text));
        surface->widget()->redo();
        EXPECT_EQ(Shown(surface->text()), Shown(c.expected));
    }
}

// Deleting the text between a lone CR and a lone LF leaves one CR LF break,
// which undo splits again in one step.
TEST_F(RichEditSurfaceTest, DeletingBetweenALoneCrAndALoneLfLeavesOneBreak) {
    surface->setText(u"a\rX\nb"_s);
    surface->setSelStart(2);
    QTest::keyClick(surface->widget(), Qt::Key_Delete);
    EXPECT_EQ(Shown(surface->text()), "a\\r\\nb");
    EXPECT_EQ(surface->lineCount(), 2);
    EXPECT_EQ(surface->selStart(), 3);
    surface->widget()->undo();
    EXPECT_EQ(Shown(surface->text()), "a\\rX\\nb");
    EXPECT_EQ(surface->lineCount(), 3);
}

// Thousands of random edits through the widget as a user makes them, and
// through the surface: after each, the text and the line count are the plain
// string model's. Undo must land on a text seen before; redoing as often
// returns to the last one. A failure names its seed and step.
TEST_F(RichEditSurfaceTest, RandomUserEditsKeepEveryBreakOutsideTheEditAsItWas) {
    SurfaceTextEdit* edit = surface->widget();
    QClipboard* clipboard = QApplication::clipboard();
    for (const unsigned seed : {11u, 12u, 13u}) {
        RandomText random(seed);
        TextModel model;
        QSet<QString> seen{QString()};
        surface->setText(QString());
        for (int step = 0; step < 1500; ++step) {
            const std::string where =
                "seed " + std::to_string(seed) + " step " + std::to_string(step);
            const int length = static_cast<int>(model.text.size());
            const int op = random.number(0, 12);
            const auto syncSelection = [&] {
                model.selStart = surface->selStart();
                model.selLength = surface->selLength();
            };
            switch (op) {
            case 0:
                if (length > 200 || random.number(0, 3) == 0) {
                    const QString text = random.pieces(20);
                    surface->setText(text);
                    model.setText(text);
                    seen = {model.text};
                }
                break;
            case 1: {
                const int start = random.number(0, length);
                surface->setSelStart(start);
                model.setSelStart(start);
                const int selected = random.number(0, length - model.selStart);
                surface->setSelLength(selected);
                model.setSelLength(selected);
                break;
            }
            case 2: {
                static const Qt::Key Keys[] = {Qt::Key_Down,  Qt::Key_Up,  Qt::Key_Left,
                                               Qt::Key_Right, Qt::Key_End, Qt::Key_Home};
                const Qt::Key key = Keys[random.number(0, 5)];
                QTest::keyClick(edit, key,
                                random.number(0, 1) ? Qt::ShiftModifier : Qt::NoModifier);
                syncSelection();
                break;
            }
            case 3: {
                static const QString Typed[] = {u"a"_s, u"\u017e"_s, u"\u0416"_s, u" "_s,
                                                u"\u00a0"_s};
                const QString c = Typed[random.number(0, 4)];
                typeText(edit, c);
                model.replaceSelection(c);
                break;
            }
            case 4:
                QTest::keyClick(edit, Qt::Key_Return);
                model.replaceSelection(u"\r\n"_s);
                break;
            case 5:
                QTest::keyClick(edit, Qt::Key_Delete);
                if (model.selLength == 0 && model.selStart < length)
                    model.selLength = model.unitAt(model.selStart);
                model.replaceSelection(QString());
                break;
            case 6:
                QTest::keyClick(edit, Qt::Key_Backspace);
                if (model.selLength == 0 && model.selStart > 0) {
                    const int unit = model.selStart >= 2 ? model.unitAt(model.selStart - 2) : 1;
                    const int back = unit == 2 ? 2 : 1;
                    model.selStart -= back;
                    model.selLength = back;
                }
                model.replaceSelection(QString());
                break;
            case 7:
                edit->cut();
                if (model.selLength > 0) {
                    ASSERT_EQ(Shown(clipboard->text()), Shown(model.selText())) << where;
                    model.replaceSelection(QString());
                }
                break;
            case 8: {
                const QString pasted = random.pieces(4) + u"b"_s;
                clipboard->setText(pasted);
                edit->paste();
                model.replaceSelection(pasted);
                break;
            }
            case 9: {
                const QString text = random.pieces(3);
                surface->setSelText(text);
                model.replaceSelection(text);
                break;
            }
            case 10:
            case 11: {
                // Undo a few steps; half the time redo them all again.
                const QString before = model.text;
                int steps = 0;
                for (int i = random.number(1, 4); i > 0 && edit->document()->isUndoAvailable();
                     --i, ++steps) {
                    edit->undo();
                    const QString now = surface->text();
                    ASSERT_TRUE(seen.contains(now)) << where << " undid to " << Shown(now);
                    ASSERT_EQ(surface->lineCount(), TextModel{now}.lineCount()) << where;
                }
                if (op == 11) {
                    for (int i = 0; i < steps; ++i)
                        edit->redo();
                    ASSERT_EQ(Shown(surface->text()), Shown(before)) << where << " redone";
                }
                model.text = surface->text();
                syncSelection();
                break;
            }
            default:
                break;
            }
            seen.insert(model.text);
            ASSERT_EQ(Shown(surface->text()), Shown(model.text)) << where << " op " << op;
            ASSERT_EQ(surface->lineCount(), model.lineCount()) << where << " op " << op;
            ASSERT_EQ(surface->selStart(), model.selStart) << where << " op " << op;
        }
    }
}

} // namespace
