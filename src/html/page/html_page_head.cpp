#include "html/page/html_page_head.h"

#include "core/html/html_document_head.h"
#include "core/settings/app_version.h"
#include "shell/ProgramState.h"

#include <QDateTime>

QString HtmlDocumentHead() {
    return HtmlDocumentHead(AppVersionText(), Program().Settings.UserName,
                            QDateTime::currentDateTime());
}
