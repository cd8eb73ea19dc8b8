#include "platform/modal_turn.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWindow>

namespace {

// Cleared once the window system reports a window active: from then on the
// active window says where the keyboard is.
QPointer<QWidget> handedBack;

[[nodiscard]] bool mayOwn(const QWidget* window, const QDialog& dialog) {
    return window != nullptr && window != &dialog && window->isVisible() &&
           window->windowType() != Qt::Popup;
}

QWidget* openerOf(const QDialog& dialog) {
    if (QWidget* active = QApplication::activeWindow(); mayOwn(active, dialog))
        return active;
    if (mayOwn(handedBack, dialog))
        return handedBack;
    QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    return mayOwn(owner, dialog) ? owner : nullptr;
}

void handBack(QWidget& opener) {
    static const bool watching = [] {
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow* focus) {
            if (focus != nullptr)
                handedBack = nullptr;
        });
        return true;
    }();
    (void)watching;
    handedBack = &opener;
    opener.activateWindow();
}

} // namespace

int ExecForOpener(QDialog& dialog) {
    const QPointer<QWidget> opener = openerOf(dialog);
    const QPointer<QWidget> owner = dialog.parentWidget();
    const bool lent = opener && opener != owner;
    if (lent)
        dialog.setParent(opener, dialog.windowFlags());
    const QPointer<QDialog> self(&dialog);
    const int result = dialog.exec();
    // A dialog closed from its title bar may be deleted already.
    if (self && lent)
        self->setParent(owner, self->windowFlags());
    if (opener && opener->isVisible())
        handBack(*opener);
    return result;
}
