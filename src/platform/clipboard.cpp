#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QtClipboardService::QtClipboardService() {
    connect(QGuiApplication::clipboard(), &QClipboard::changed, this,
            [this](QClipboard::Mode mode) {
                if (mode == QClipboard::Clipboard)
                    Q_EMIT changed();
            });
}

QString QtClipboardService::text() const {
    return QGuiApplication::clipboard()->text();
}

void QtClipboardService::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool QtClipboardService::hasText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

void QtClipboardService::clear() {
    QGuiApplication::clipboard()->clear();
}
