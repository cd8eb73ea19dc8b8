#pragma once

#include "core/html/html_simple_tags.h"

#include <QLocale>
#include <QString>
#include <optional>

// The A tag of the link dialog and the LINK tag of the style-sheet dialog,
// built from plain copies of their controls.

// OdkazNaJiny: a link to a chosen file or to a typed address.
struct LinkValues {
    bool toFile = true;                              // Option1; else Option2, the typed address
    QString fileAddress;                             // the file picker's address
    QString address = QStringLiteral("http://www."); // Text1
    bool anchorChecked = false;                      // Check1
    QString anchor = QStringLiteral("Kotva1");       // Text2, without "#"
    bool targetChecked = false;                      // Check3
    QString target = QStringLiteral("_blank");       // Combo2
    bool titleChecked = false;                       // Check2
    QString title = QStringLiteral("Odkaz");         // Text3
};

// Wraps the selection in the link; with nothing selected the address itself
// (with its anchor) becomes the visible link text. An empty anchor writes no
// "#".
[[nodiscard]] HtmlInsertion LinkInsertion(const LinkValues& values, bool selectionEmpty);

// The link's automatic title: the file name in lower case and its byte size,
// "b.html, 1,07Kb".
[[nodiscard]] QString LinkAutoTitle(const QString& fullPath, qint64 bytes,
                                    const QLocale& locale = QLocale());
// The same for the file on disk; nothing when no file is named or it has
// gone, since its length cannot be read then.
[[nodiscard]] std::optional<QString> LinkAutoTitleFor(const QString& fullPath,
                                                      const QLocale& locale = QLocale());

// HtmlLink: a LINK tag to a style sheet, inserted at the caret.
struct StyleSheetLinkValues {
    QString address;                            // the file picker's address
    bool relChecked = false;                    // Check1
    QString rel = QStringLiteral("StyleSheet"); // Text1
    bool typeChecked = false;                   // Check3
    QString type = QStringLiteral("text/css");  // Text2
};
[[nodiscard]] QString StyleSheetLinkTag(const StyleSheetLinkValues& values);
