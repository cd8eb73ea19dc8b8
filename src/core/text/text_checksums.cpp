#include "core/text/text_checksums.h"

#include <QStringList>

namespace {

qint64 code(const QByteArray& codes, qsizetype index) {
    return static_cast<quint8>(codes.at(index));
}

QString line(const QString& label, qint64 sum) {
    return QStringLiteral("%1#%2 (%3)")
        .arg(label, QString::number(sum, 16).toUpper(), QString::number(sum));
}

} // namespace

TextChecksums ComputeTextChecksums(const QByteArray& codes, const ChecksumProgress& progress) {
    const auto tell = [&progress](int step) {
        if (progress)
            progress(step);
    };
    const qsizetype length = codes.size();
    TextChecksums sums;
    for (qsizetype i = 0; i < length; ++i)
        sums.sum += code(codes, i);
    tell(2);
    for (qsizetype i = 0; i + 1 < length; i += 2)
        sums.contra += code(codes, i + 1) ^ code(codes, i);
    tell(3);
    for (qsizetype i = 0; i + 3 < length; i += 4)
        sums.shortSum +=
            (code(codes, i + 3) & code(codes, i + 2)) ^ (code(codes, i + 1) & code(codes, i));
    tell(4);
    for (qsizetype i = 0; i + 1 < length; i += 2)
        sums.andSum += code(codes, i + 1) & code(codes, i);
    return sums;
}

QString ChecksumReport(const TextChecksums& sums) {
    return QStringList{
        line(QStringLiteral("MyCRC součet je "), sums.sum),
        line(QStringLiteral("ContraCRC součet je "), sums.contra),
        line(QStringLiteral("&CRC součet je "), sums.andSum),
        line(QStringLiteral("ShortCRC součet je "), sums.shortSum),
    }
        .join(QStringLiteral("\r\n"));
}
