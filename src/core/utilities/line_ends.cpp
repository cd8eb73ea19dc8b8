#include "core/utilities/line_ends.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr char Cr = '\r';
constexpr char Lf = '\n';

} // namespace

bool NamesSameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.absoluteFilePath() == second.absoluteFilePath())
        return true;
    // Links and "." or ".." in a path can name one file twice.
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}

QByteArray ToUnixLineEnds(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 64 + 1);
    qsizetype lineStart = 0;
    const qsizetype size = bytes.size();
    while (lineStart < size) {
        const qsizetype cr = bytes.indexOf(Cr, lineStart);
        const qsizetype lineEnd = cr < 0 ? size : cr;
        out.append(bytes.constData() + lineStart, lineEnd - lineStart);
        out.append(Lf);
        lineStart = lineEnd + 1;
        if (cr >= 0 && lineStart < size && bytes[lineStart] == Lf)
            ++lineStart;
    }
    return out;
}

QByteArray ToDosLineEnds(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 32 + 2);
    qsizetype lineStart = 0;
    const qsizetype size = bytes.size();
    while (lineStart < size) {
        const qsizetype lf = bytes.indexOf(Lf, lineStart);
        const qsizetype lineEnd = lf < 0 ? size : lf;
        out.append(bytes.constData() + lineStart, lineEnd - lineStart);
        out.append("\r\n");
        lineStart = lineEnd + 1;
    }
    return out;
}

QString ConvertedFilePath(const QString& path, LineEndForm form) {
    const QString extension =
        form == LineEndForm::Unix ? QStringLiteral("unx") : QStringLiteral("dos");
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.indexOf(u'.', nameStart + 1);
    if (dot < 0)
        return path + u'.' + extension;
    return path.left(dot + 1) + extension;
}

FileConversion ConvertFileLineEnds(const QString& path, LineEndForm form) {
    FileConversion result;
    result.outputPath = ConvertedFilePath(path, form);
    if (NamesSameFile(path, result.outputPath)) {
        result.outcome = ConversionOutcome::SameAsInput;
        return result;
    }
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        result.outcome = ConversionOutcome::CannotRead;
        result.error = input.errorString();
        return result;
    }
    const QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError) {
        result.outcome = ConversionOutcome::CannotRead;
        result.error = input.errorString();
        return result;
    }
    input.close();
    const QByteArray converted =
        form == LineEndForm::Unix ? ToUnixLineEnds(bytes) : ToDosLineEnds(bytes);
    // Written whole or not at all, so a failure leaves no half copy behind.
    QSaveFile output(result.outputPath);
    if (!output.open(QIODevice::WriteOnly) || output.write(converted) != converted.size() ||
        !output.commit()) {
        result.outcome = ConversionOutcome::CannotWrite;
        result.error = output.errorString();
    }
    return result;
}
