#include "platform/surface/SurfaceTextEdit.h"

#include "core/text/ansi_code_page.h"

#include <QKeyEvent>
#include <QMimeData>

namespace {

// With any modifiers: the widget would otherwise make a break of its own,
// whose kind nobody chose. A menu shortcut on the key has had its turn.
bool isEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Keys the program's menus may claim: anything with Ctrl or Alt, and F1 to F35.
bool isMenuKey(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return true;
    return event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F35;
}

// Alt (also with Ctrl) with a key that no menu took: the widget would type
// its character. Ctrl alone types nothing already, and AltGr, which types
// the characters a layout puts on it, reaches here without Alt.
bool isUnclaimedAltKey(const QKeyEvent* event) {
    return (event->modifiers() & Qt::AltModifier) && !event->text().isEmpty() &&
           event->text().front().isPrint();
}

bool holdsOnlyAnsi(const QString& text) {
    for (const QChar c : text)
        if (!IsAnsiChar(c))
            return false;
    return true;
}

} // namespace

SurfaceTextEdit::SurfaceTextEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    // Breaking a line only between words keeps layout linear; breaking a long
    // run without spaces anywhere costs time quadratic in its length.
    setWordWrapMode(QTextOption::WordWrap);
}

void SurfaceTextEdit::setUserInsertion(std::function<void(const QString&)> insert) {
    m_userInsertion = std::move(insert);
}

void SurfaceTextEdit::setSelectionText(std::function<QString()> selectionText) {
    m_selectionText = std::move(selectionText);
}

void SurfaceTextEdit::setHistoryStep(std::function<void(bool redo)> step) {
    m_historyStep = std::move(step);
}

void SurfaceTextEdit::setUserDeletion(Deletion deletion) {
    m_userDeletion = std::move(deletion);
}

bool SurfaceTextEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && isMenuKey(static_cast<QKeyEvent*>(event))) {
        // Not accepting the override lets a menu shortcut run; with no such
        // shortcut the key still arrives here as a normal key press.
        event->ignore();
        return true;
    }
    return QTextEdit::event(event);
}

void SurfaceTextEdit::keyPressEvent(QKeyEvent* event) {
    if (isUnclaimedAltKey(event)) {
        event->ignore();
        return;
    }
    if (!isReadOnly() && isEnterKey(event) && m_userInsertion) {
        m_userInsertion(QStringLiteral("\r\n"));
        ensureCursorVisible();
        event->accept();
        return;
    }
    const bool undo = event->matches(QKeySequence::Undo);
    if ((undo || event->matches(QKeySequence::Redo)) && m_historyStep && !isReadOnly()) {
        m_historyStep(!undo);
        event->accept();
        return;
    }
    const bool deletion = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
    if (deletion && m_userDeletion) {
        m_userDeletion([this, event] { QTextEdit::keyPressEvent(event); });
        return;
    }
    if (event->text().isEmpty() || holdsOnlyAnsi(event->text())) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent ansi(event->type(), event->key(), event->modifiers(), ReplaceNonAnsi(event->text()),
                   event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QTextEdit::keyPressEvent(&ansi);
    event->setAccepted(ansi.isAccepted());
}

void SurfaceTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (holdsOnlyAnsi(event->commitString())) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent ansi(event->preeditString(), event->attributes());
    ansi.setCommitString(ReplaceNonAnsi(event->commitString()), event->replacementStart(),
                         event->replacementLength());
    QTextEdit::inputMethodEvent(&ansi);
}

void SurfaceTextEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        Q_EMIT middleButtonClicked(event->globalPosition().toPoint());
        return;
    }
    QTextEdit::mousePressEvent(event);
}

void SurfaceTextEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The widget would paste the X11 selection on a middle-button release.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QTextEdit::mouseReleaseEvent(event);
}

bool SurfaceTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void SurfaceTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText() || !m_userInsertion || isReadOnly())
        return;
    m_userInsertion(source->text());
    ensureCursorVisible();
}

QMimeData* SurfaceTextEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(m_selectionText ? m_selectionText() : textCursor().selectedText());
    return data;
}
