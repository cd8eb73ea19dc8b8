#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class ClipboardService;

// What the main window's timer shows of the clipboard, read when the
// clipboard says it changed instead of on every tick: a large clipboard text
// would otherwise be copied twice a second. Only the head the status panel
// can show is kept.
class ClipboardPreview : public QObject {
public:
    using QObject::QObject;

    // Reads the clipboard again if it changed and the read after the change
    // failed, or if the program's clipboard service is another one now. A
    // failing read throws ProgramError, as the clipboard service does.
    void refreshIfStale();

    // True while the clipboard holds text, even an empty one.
    [[nodiscard]] bool hasText() const { return m_hasText; }
    // The clipboard text's first characters, empty exactly when it is.
    [[nodiscard]] const QString& head() const { return m_head; }

private:
    void read();
    void readAfterChange();

    QPointer<ClipboardService> m_service;
    bool m_stale = true;
    bool m_hasText = false;
    QString m_head;
};
