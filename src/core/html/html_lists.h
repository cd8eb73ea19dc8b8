#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The texts of the two list editors: bulleted or numbered lists item by item,
// and definition lists of term and definition pairs. Items, captions, terms
// and definitions are written as they are, unescaped.

// HTMLSeznam: an unordered list (UL) or, for any other window tag than
// "norm", an ordered one (OL).
struct HtmlListValues {
    bool ordered = false;
    bool typeChecked = false;  // ChkSBod or ChkCBod
    QString type;              // the TYPE of the selected bullet or numbering option
    bool compact = false;      // ChkCompact
    bool labelChecked = false; // ChkLabel
    QString label = QStringLiteral("Nadpis");
    QStringList items;
};
// The start tag with its attributes, the caption and one LI line per item and
// the end tag, joined by CR LF.
[[nodiscard]] QString HtmlListText(const HtmlListValues& values);

// SeznamDef: a term and its definition, always kept together.
struct DefinitionPair {
    QString term;
    QString definition;

    friend bool operator==(const DefinitionPair&, const DefinitionPair&) = default;
};
// <DL>, a DT and a DD line per pair and </DL>, with no line break after it.
[[nodiscard]] QString DefinitionListText(const QList<DefinitionPair>& pairs);
