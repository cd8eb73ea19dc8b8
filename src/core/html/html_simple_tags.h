#pragma once

#include "core/colour/colour_value.h"

#include <QString>
#include <QStringList>

// The texts the nine small tag dialogs write, built from plain copies of their
// controls. The windows only read their controls into these structs and hand
// the result to the editor in the mode it names.

// How a dialog's text reaches the editor.
enum class HtmlInsertMode {
    InsertAtCaret, // text before the selection, which stays unselected
    WrapSelection, // text + selection + close replaces the selection
};

struct HtmlInsertion {
    HtmlInsertMode mode = HtmlInsertMode::InsertAtCaret;
    QString text;  // the inserted text, or the opening text of a wrap
    QString close; // the closing text of a wrap; empty when inserting
};

// The value of a group of alignment option buttons; None is the
// "do not align" button and writes no attribute.
enum class HtmlAlign { None, Left, Center, Right, Justify };

// A valued attribute: a space, NAME="value". The value is copied as it is,
// quotes included, so a stray quote ends the attribute early.
[[nodiscard]] QString HtmlAttribute(const QString& name, const QString& value);
// The valued attribute while its box is ticked, else nothing.
[[nodiscard]] QString HtmlAttributeIf(bool ticked, const QString& name, const QString& value);
// A flag attribute: a space and the bare NAME.
[[nodiscard]] QString HtmlFlag(const QString& name);
// ALIGN="LEFT" and its siblings; empty for HtmlAlign::None.
[[nodiscard]] QString HtmlAlignAttribute(HtmlAlign align);

// Odstavec: a paragraph around the selection.
struct OdstavecValues {
    HtmlAlign align = HtmlAlign::Justify;
};
[[nodiscard]] HtmlInsertion OdstavecInsertion(const OdstavecValues& values);

// Hr: a horizontal rule. widthLabel is Label1 as shown, unit suffix included.
struct HrValues {
    HtmlAlign align = HtmlAlign::None;
    bool widthChecked = false; // Check1
    QString widthLabel = QStringLiteral("1%");
    bool noShade = false; // Shader
};
[[nodiscard]] HtmlInsertion HrInsertion(const HrValues& values);

// Nadpis: a heading around the selection; levelLabel is Label1 as shown.
struct NadpisValues {
    HtmlAlign align = HtmlAlign::None;
    bool noWrap = false; // Check1
    QString levelLabel = QStringLiteral("1");
};
[[nodiscard]] HtmlInsertion NadpisInsertion(const NadpisValues& values);

// Kotva: an empty named anchor. The window also adds the name to the
// anchor list of Odkaz.
struct KotvaValues {
    QString name = QStringLiteral("Kotva1");
};
[[nodiscard]] HtmlInsertion KotvaInsertion(const KotvaValues& values);

// Odkaz: a link to an anchor of the same page around the selection.
struct OdkazValues {
    QString anchor = QStringLiteral("NováKotva");
};
[[nodiscard]] HtmlInsertion OdkazInsertion(const OdkazValues& values);

// Barva: a font tag around the selection; SIZE, FACE and COLOR in that order.
struct BarvaValues {
    bool sizeChecked = false; // Check1
    int size = 1;             // VScroll4
    bool faceChecked = false; // Check2
    QString face = QStringLiteral("Combo1");
    bool colorChecked = false; // Check3
    ColorValue color = 0;      // the colour box; written as ColorToHex
};
[[nodiscard]] HtmlInsertion BarvaInsertion(const BarvaValues& values);
// The font names offered by Barva's face list.
[[nodiscard]] QStringList BarvaFaces();

// Zlomek: numerator over denominator as superscript "/" subscript.
struct ZlomekValues {
    QString numerator = QStringLiteral("A");
    QString denominator = QStringLiteral("B");
};
[[nodiscard]] HtmlInsertion ZlomekInsertion(const ZlomekValues& values);

// MailTo: a mail link around the selection; with nothing selected the
// address itself becomes the link text. The window presets the address
// from the user's settings when it is created.
struct MailToValues {
    QString address;
};
[[nodiscard]] HtmlInsertion MailToInsertion(const MailToValues& values,
                                            const QString& selectedText);

// Smajl: inserts whatever text the window holds (typed, built from the
// part lists, or drawn by RandomSmiley).
struct SmajlValues {
    QString text = QStringLiteral(":-)");
};
[[nodiscard]] HtmlInsertion SmajlInsertion(const SmajlValues& values);

// The five part lists of Smajl, in order: hat, eyes, nose, mouth, beard.
enum class SmileyPart { Hat, Eyes, Nose, Mouth, Beard };
[[nodiscard]] QStringList SmileyPartItems(SmileyPart part);
// The chosen parts joined hat to beard (an unchosen part is an empty text),
// with spaces at both ends removed, so a blank hat or beard vanishes.
[[nodiscard]] QString SmileyFromParts(const QStringList& chosen);
