#pragma once

#include "core/utilities/random_code_cipher.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The cipher-table file "*.rqt": the table as one record, little-endian, with
// no header. The 29 codes, then the depth in one byte, then the one letters,
// the zero letters and the note; each text is a 16-bit length followed by
// its Windows-1250 bytes. A table of depth d with an n-byte note takes
// 29 x (2 + d) + 33 + n bytes.

// The file filter of the table dialogs.
inline const QString CipherTableFilter =
    QStringLiteral("Tarvel Qor Šifrovací tabulka (*.rqt)|*.rqt");

// The most bytes a text of the file holds; a longer note is cut to it.
inline constexpr qsizetype LongestCipherTableText = 0xFFFF;

// The whole file. The depth is stored as one byte.
[[nodiscard]] QByteArray EncodeCipherTable(const CipherTable& table);

// A table read back, or why the bytes hold none.
struct DecodedCipherTable {
    std::optional<CipherTable> table;
    // A Czech sentence for the user; empty when the table was read.
    QString problem;
};

// The table at the start of bytes (bytes after it are ignored). A file that
// ends inside the record, has depth 0, a code that is not depth characters
// "0" and "1", two equal codes, an empty letter group, a group character
// other than A to Z, or a letter in both groups is refused: a cipher made
// with such a table could not be deciphered. Groups that leave letters out
// are taken.
[[nodiscard]] DecodedCipherTable DecodeCipherTable(const QByteArray& bytes);

// The longest record: 32 texts of the longest length and the depth byte.
inline constexpr qint64 LongestCipherTableFile = 32 * (2 + LongestCipherTableText) + 1;
