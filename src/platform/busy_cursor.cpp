#include "platform/busy_cursor.h"

#include <QWidget>

void QtBusyCursorService::setBusy(QWidget* form, bool busy) {
    if (form == nullptr)
        return;
    if (busy)
        form->setCursor(Qt::WaitCursor);
    else
        form->unsetCursor();
}
