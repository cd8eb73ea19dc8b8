#include "platform/plain_text.h"

#include <QTextDocument>

QString PlainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    // Escaped into one preformatted paragraph, the text keeps its blanks and
    // line breaks and wraps no more than a plain tool tip does.
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

QString PlainWindowTitle(const QString& text) {
    // Qt shows a doubled "[*]" as one and takes a single one for the marker.
    return QString(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}
