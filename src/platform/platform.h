#pragma once

#include "platform/browser/web_view.h"
#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/desktop_service.h"
#include "platform/file_dialogs_service.h"
#include "platform/font_dialog.h"
#include "platform/input_box.h"
#include "platform/message_box.h"
#include "platform/printing/printer.h"
#include "platform/program_instances.h"
#include "platform/window_frame.h"
#include "platform/window_registry.h"

#include <memory>

// The desktop services the program calls; windows reach them through Platform()
// so tests can install doubles.
struct PlatformServices {
    MessageBoxService* messageBox = nullptr;
    InputBoxService* inputBox = nullptr;
    FileDialogService* fileDialogs = nullptr;
    ClipboardService* clipboard = nullptr;
    BusyCursorService* busyCursor = nullptr;
    WindowRegistry* windows = nullptr;
    FontDialogService* fontDialog = nullptr;
    PrinterService* printer = nullptr;
    InstanceService* instances = nullptr;
    WebViewFactory* webViews = nullptr;
    DesktopService* desktop = nullptr;
    WindowFrameService* frames = nullptr;
};

[[nodiscard]] PlatformServices& Platform();

// Owns the Qt implementations and installs them for its lifetime; the
// services installed before come back when it is destroyed.
class QtPlatform {
public:
    QtPlatform();
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

private:
    struct Services;
    std::unique_ptr<Services> m_services;
    PlatformServices m_previous;
};
