#include "platform/desktop_service.h"

#include <QDesktopServices>
#include <QUrl>

bool QtDesktopService::openFile(const QString& path, QWidget*) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
