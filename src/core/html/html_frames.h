#pragma once

#include "core/html/html_new_page.h"

#include <QString>

// The two frame dialogs, built from plain copies of their controls.

// One FRAME tag. Each attribute is written only while its check box is
// ticked; the numbers are the value labels as shown, so a label that still
// shows its first "0" writes "0".
struct FrameTagValues {
    QString address;                                 // SRC, always written
    bool nameChecked = false;                        // Check4
    QString name = QStringLiteral("Rám");            // Text1
    bool alignChecked = false;                       // Check6
    QString align;                                   // Combo3; "" while nothing is chosen
    bool borderChecked = false;                      // Check7
    QString borderLabel = QStringLiteral("0");       // Label13
    bool borderColorChecked = false;                 // Check9
    QString borderColor = QStringLiteral("#000000"); // Label8
    bool spacingChecked = false;                     // Check8
    QString spacingLabel = QStringLiteral("0");      // Label4
    bool scrollingChecked = false;                   // Check1
    QString scrolling;                               // Combo2; "" while nothing is chosen
    bool marginChecked = false;                      // Check3
    QString marginWidthLabel = QStringLiteral("0");  // Label11
    QString marginHeightLabel = QStringLiteral("0"); // Label12
    bool noResize = false;                           // Check2
};
[[nodiscard]] QString FrameTag(const FrameTagValues& values);

// A frameset page: the document head, a TITLE and an empty FRAMESET.
struct FramesetValues {
    QString title = QStringLiteral("Titulek"); // Text3
    bool rowsChecked = false;                  // Check1
    QString rows = QStringLiteral("*,50%,50"); // Text1
    bool colsChecked = false;                  // Check2
    QString cols = QStringLiteral("*,50%,50"); // Text2
};

// What a frameset page shows in a browser without frames when the document
// was empty.
[[nodiscard]] QString NoFramesMessage();

// head, the TITLE, the empty FRAMESET and the opening NOFRAMES line.
[[nodiscard]] QString FramesetPrefix(const QString& head, const FramesetValues& values);

// The whole page with the old text inside NOFRAMES (the message instead when
// the old text is empty), and where that text lies in it, ready to be
// selected. The page has no BODY and ends without a line break.
[[nodiscard]] NewPage FramesetAround(const QString& prefix, const QString& oldText);
