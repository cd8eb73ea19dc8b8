#include "core/utilities/line_ends.h"

#include <QFileInfo>
#include <QSaveFile>

#include <new>

namespace {

constexpr char Cr = '\r';
constexpr char Lf = '\n';

// Every line, up to the byte that ends it, followed by lineEnd; the last line
// gets one too. A CR ending a line takes an LF right after it along, so that
// CR LF ends one line, not two.
QByteArray Relined(const QByteArray& bytes, char endsLine, QByteArrayView lineEnd) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 32 + lineEnd.size());
    qsizetype lineStart = 0;
    const qsizetype size = bytes.size();
    while (lineStart < size) {
        const qsizetype end = bytes.indexOf(endsLine, lineStart);
        const qsizetype lineStop = end < 0 ? size : end;
        out.append(bytes.constData() + lineStart, lineStop - lineStart);
        out.append(lineEnd);
        lineStart = lineStop + 1;
        if (endsLine == Cr && lineStart < size && bytes[lineStart] == Lf)
            ++lineStart;
    }
    return out;
}

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
    return Relined(bytes, Cr, "\n");
}

QByteArray ToDosLineEnds(const QByteArray& bytes) {
    return Relined(bytes, Lf, "\r\n");
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

FileConversion ConvertFileLineEnds(const QString& path, LineEndForm form, qint64 largestInput) {
    FileConversion result;
    result.outputPath = ConvertedFilePath(path, form);
    if (NamesSameFile(path, result.outputPath)) {
        result.outcome = ConversionOutcome::SameAsInput;
        return result;
    }
    const FileRead input = ReadRegularFile(path, largestInput);
    if (input.failure != FileReadFailure::None) {
        result.outcome = ConversionOutcome::CannotRead;
        result.error = FileReadReason(input);
        return result;
    }
    // Renaming the copy over a pipe or a device would replace it.
    if (CheckRegularFile(result.outputPath) == FileReadFailure::NotRegular) {
        result.outcome = ConversionOutcome::CannotWrite;
        result.error = FileReadReason(FileReadFailure::NotRegular);
        return result;
    }
    QByteArray converted;
    try {
        converted =
            form == LineEndForm::Unix ? ToUnixLineEnds(input.bytes) : ToDosLineEnds(input.bytes);
    } catch (const std::bad_alloc&) {
        result.outcome = ConversionOutcome::CannotRead;
        result.error = FileReadReason(FileReadFailure::NoMemory);
        return result;
    }
    // Written whole or not at all, so a failure leaves no half copy behind.
    QSaveFile output(result.outputPath);
    if (!output.open(QIODevice::WriteOnly) || output.write(converted) != converted.size() ||
        !output.commit()) {
        result.outcome = ConversionOutcome::CannotWrite;
        result.error = output.errorString();
    }
    return result;
}
