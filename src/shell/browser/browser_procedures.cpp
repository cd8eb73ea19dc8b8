#include "shell/browser/browser_procedures.h"

#include "core/shell/browser_rules.h"
#include "shell/browser/frmBrowser.h"
#include "shell/window_instances.h"

void ShowFileInBrowser(const QString& path) {
    if (!path.isEmpty())
        ShowUrlInBrowser(BrowserFileAddress(path));
}

void ShowUrlInBrowser(const QString& url) {
    if (!url.isEmpty())
        LoadedWindow<frmBrowser>().showUrl(url);
}

void ShowBrowserAlone() {
    frmBrowser& browser = LoadedWindow<frmBrowser>();
    browser.setStandAlone();
    ShowOwned(browser);
}
