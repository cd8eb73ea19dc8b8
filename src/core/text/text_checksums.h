#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// The four checksums of a text, over the characters' ANSI codes (c1, c2, ...
// from the first character). Summed in 64 bits, so no text the editor can
// hold overflows them.
struct TextChecksums {
    // Every code.
    qint64 sum = 0;
    // c2 XOR c1, c4 XOR c3, ...: an odd last character is left out.
    qint64 contra = 0;
    // (c4 AND c3) XOR (c2 AND c1), then the next four: the one to three
    // characters after the last whole group of four are left out.
    qint64 shortSum = 0;
    // c2 AND c1, c4 AND c3, ...: an odd last character is left out.
    qint64 andSum = 0;

    friend bool operator==(const TextChecksums&, const TextChecksums&) = default;
};

// Told before each sum after the first is taken: 2, 3 and 4.
using ChecksumProgress = std::function<void(int step)>;

// codes: the text encoded in the ANSI code page, one byte per character.
[[nodiscard]] TextChecksums ComputeTextChecksums(const QByteArray& codes,
                                                 const ChecksumProgress& progress = {});

// The four lines of the "CRC" box joined by CR LF: each label, the sum in
// upper-case hexadecimal after "#", then the sum in decimal in brackets. The
// AND sum comes before the group-of-four sum.
[[nodiscard]] QString ChecksumReport(const TextChecksums& sums);
