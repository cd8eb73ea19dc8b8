#include "html/html_page_head.h"

#include "core/app_version.h"
#include "core/html_document_head.h"
#include "shell/ProgramState.h"

#include <QDateTime>

QString HtmlDocumentHead() {
    return HtmlDocumentHead(AppVersionText(), Program().Settings.UserName,
                            QDateTime::currentDateTime());
}
