#include "platform/platform.h"

PlatformServices& Platform() {
    static PlatformServices services;
    return services;
}

struct QtPlatform::Services {
    QtMessageBoxService messageBox;
    QtInputBoxService inputBox;
    QtFileDialogService fileDialogs;
    QtClipboardService clipboard;
    QtBusyCursorService busyCursor;
    WindowRegistry windows;
    QtFontDialogService fontDialog;
    QtPrinterService printer;
    QtInstanceService instances;
    QtWebViewFactory webViews;
    QtDesktopService desktop;
    QtWindowFrameService frames;
};

QtPlatform::QtPlatform() : m_services(std::make_unique<Services>()), m_previous(Platform()) {
    Services& s = *m_services;
    Platform() = {&s.messageBox, &s.inputBox, &s.fileDialogs, &s.clipboard,
                  &s.busyCursor, &s.windows,  &s.fontDialog,  &s.printer,
                  &s.instances,  &s.webViews, &s.desktop,     &s.frames};
}

QtPlatform::~QtPlatform() {
    Platform() = m_previous;
}
