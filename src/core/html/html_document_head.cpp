#include "core/html/html_document_head.h"

#include "core/settings/settings_file.h"

#include <QStringList>

QString HtmlDocumentHead(const QString& version, const QString& author, const QDateTime& now) {
    const QStringList lines{
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Final//EN\">"),
        QStringLiteral("<HTML>"),
        QStringLiteral(" <HEAD>"),
        QStringLiteral(
            "  <META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1250\">"),
        QStringLiteral("  <META NAME=\"GENERATOR\" CONTENT=\"Halvereths TARvel Qor v%1\">")
            .arg(version),
        QStringLiteral("  <META NAME=\"AUTHOR\" CONTENT=\"%1\">").arg(author),
        // Date and time from one reading of the clock, so they cannot straddle midnight.
        QStringLiteral("  <META NAME=\"CREATED\" CONTENT=\"%1\">").arg(SavedAtText(now)),
        QStringLiteral("  <META NAME=\"PROGID\" CONTENT=\"TarvelQor.EDITOR.DOCUMENT\">"),
    };
    QString head;
    for (const QString& line : lines)
        head += line + QStringLiteral("\r\n");
    return head;
}
