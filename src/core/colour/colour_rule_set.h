#pragma once

#include "core/colour/colour_value.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One highlighting rule: the text from StartText through EndText is painted
// in Color.
struct ColorRule {
    ColorValue Color = 0;
    QString StartText;
    QString EndText;

    friend bool operator==(const ColorRule&, const ColorRule&) = default;
};

// The colour-highlighting rule set. Rule order matters: later rules paint
// over earlier ones.
struct ColorRuleSet {
    QList<ColorRule> Rules;
    ColorValue DefaultTextColor = RgbColor(0, 0, 0);
    ColorValue DefaultBackground = RgbColor(255, 255, 255);
    QString Description; // at most ColorRuleTextSize characters
    QString Author;      // at most ColorRuleAuthorSize characters
    QString FilePath;    // the file last loaded or saved; empty for none

    friend bool operator==(const ColorRuleSet&, const ColorRuleSet&) = default;
};

// The file is a run of fixed records with no header of its own: record 1
// holds the set's colours, description and author, each further record one
// rule. A record is a little-endian 32-bit colour and two texts of
// ColorRuleTextSize Windows-1250 bytes, padded with spaces.
inline constexpr qsizetype ColorRuleRecordSize = 514;
inline constexpr qsizetype ColorRuleTextSize = 255;
// The header's second text holds the author in this many characters, then
// the default background as #RRGGBB and one space.
inline constexpr qsizetype ColorRuleAuthorSize = 247;

// The most rules a set holds: far more than anyone builds by hand, few enough
// that a set is read, listed and applied at once. A longer file is no set
// this program writes, so the reader refuses it unread.
inline constexpr qsizetype LargestColorRuleCount = 32767;
// The longest rule-set file: the header and the most rules, then bytes short
// of one more record, which the reader passes over.
inline constexpr qint64 LongestColorRuleSetFile =
    (LargestColorRuleCount + 1) * qint64(ColorRuleRecordSize) + ColorRuleRecordSize - 1;

// The file's bytes: (number of rules + 1) records. Longer texts are cut to
// their field; FilePath is not stored.
[[nodiscard]] QByteArray EncodeColorRuleSet(const ColorRuleSet& set);

// The set in the bytes of a file, texts stripped of the spaces at both ends
// (only spaces: tabs and line breaks stay). Any bytes of at least one record
// read as a set, whatever they hold; bytes after the last whole record are
// ignored. Empty for fewer bytes than one record. FilePath is left empty.
[[nodiscard]] std::optional<ColorRuleSet> DecodeColorRuleSet(const QByteArray& bytes);

// The path a set is saved under: ".rqc" is appended unless the path already
// ends in exactly ".rqc" (so "x.RQC" becomes "x.RQC.rqc").
[[nodiscard]] QString ColorSetPath(const QString& path);
