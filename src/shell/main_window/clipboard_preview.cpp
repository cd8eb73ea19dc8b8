#include "shell/main_window/clipboard_preview.h"

#include "core/shell/status_panels.h"
#include "core/text/program_error.h"
#include "platform/platform.h"

void ClipboardPreview::refreshIfStale() {
    ClipboardService* service = Platform().clipboard;
    if (service != m_service) {
        if (m_service)
            disconnect(m_service, nullptr, this, nullptr);
        m_service = service;
        connect(service, &ClipboardService::changed, this, &ClipboardPreview::readAfterChange);
        m_stale = true;
    }
    if (m_stale)
        read();
}

void ClipboardPreview::read() {
    m_stale = true;
    m_hasText = m_service->hasText();
    m_head = m_hasText ? m_service->text().left(PanelDisplayLength) : QString();
    m_stale = false;
}

void ClipboardPreview::readAfterChange() {
    // A failure is left to the next tick, which reports it.
    try {
        read();
    } catch (const ProgramError&) {
    }
}
