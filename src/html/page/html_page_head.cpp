#include "html/page/html_page_head.h"

#include "core/html/html_document_head.h"
#include "core/settings/app_version.h"
#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "shell/ProgramState.h"
#include "shell/shared_procedures.h"

#include <QDateTime>

QString HtmlDocumentHead() {
    return HtmlDocumentHead(AppVersionText(), Program().Settings.UserName,
                            QDateTime::currentDateTime());
}

void WritePageAround(const std::function<NewPage(const QString& oldText)>& build) {
    EditorSurface& surface = MainSurface();
    NewPage page;
    ReplaceAllText(surface, [&](const QString& old) {
        page = build(old);
        return page.text;
    });
    surface.setSelStart(page.oldStart);
    surface.setSelLength(page.oldLength);
}
