#pragma once

#include <QDateTime>
#include <QString>

// The opening every whole page the program writes starts with: the document
// type, HTML, HEAD and five META lines, each ending in CR LF. HEAD is left
// open for the caller's TITLE and further head lines. The version and the
// author are written as they are, unescaped.
[[nodiscard]] QString HtmlDocumentHead(const QString& version, const QString& author,
                                       const QDateTime& now);
