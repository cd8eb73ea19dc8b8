#pragma once

#include <QString>

// The new-page wizard turns the current document into a whole page: the
// document head, a TITLE, optional BASE and BASEFONT lines, and a BODY whose
// attributes come from these values, with the old text inside the body.

// One BODY colour: written only when ticked, as its label shows it.
struct PageColour {
    bool checked = false;
    QString text = QStringLiteral("#000000");
};

struct NewPageValues {
    QString title = QStringLiteral("Stránka "); // Text2
    bool baseChecked = false;                   // Check3
    QString base;                               // Text3
    bool baseFontChecked = false;               // Check8
    int baseFontSize = 1;                       // HScroll1
    bool pictureChecked = false;                // IsPicture
    QString picturePath;                        // PathText as shown
    bool pictureRelative = true;                // RelativePathChk
    bool fixedPicture = false;                  // ChkBGProp
    PageColour background;                      // Check1, Label2
    PageColour text;                            // Check2, Label4
    PageColour link;                            // Check7, Label13
    PageColour visitedLink;                     // Check5, Label12
    PageColour activeLink;                      // Check6, Label11
    bool marginChecked = false;                 // ChkMargin
    QString topMargin = QStringLiteral("1");    // LblMarginV
    QString leftMargin = QStringLiteral("1");   // LblMarginH
};

// head, then the head lines and the opened BODY, ending in CR LF.
[[nodiscard]] QString NewPagePrefix(const QString& head, const NewPageValues& values);

// The whole page around the old text, and where the old text lies in it, in
// text positions (CR LF counts two), ready to be selected.
struct NewPage {
    QString text;
    int oldStart = 0;
    int oldLength = 0;
};
[[nodiscard]] NewPage NewPageAround(const QString& prefix, const QString& oldText);
