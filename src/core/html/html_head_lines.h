#pragma once

#include <QString>
#include <QStringList>

// Ready-made lines for the head of a page: the document-type lines and the
// META tags the meta-tag picker offers.

// The four document-type lines, in the order the chooser lists them.
[[nodiscard]] QStringList DocumentTypeLines();
// The whole text with the document-type line and CR LF put before it.
[[nodiscard]] QString WithDocumentType(const QString& line, const QString& text);

// The sixteen sample META tags.
[[nodiscard]] QStringList MetaSampleLines();
// The META tags made from the user's settings: AUTHOR, GENERATOR, REPLY-TO
// and ORIGINATOR, with the name and address taken as they are.
[[nodiscard]] QStringList MetaSettingsLines(const QString& userName, const QString& email,
                                            const QString& version);
