#include "platform/modal_turn.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace {

QWidget* openerOf(const QDialog& dialog) {
    QWidget* active = QApplication::activeWindow();
    if (active == nullptr || active == &dialog || active->windowType() == Qt::Popup)
        return nullptr;
    return active;
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
        opener->activateWindow();
    return result;
}
