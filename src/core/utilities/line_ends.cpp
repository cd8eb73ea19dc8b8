#include "core/utilities/line_ends.h"

#include "core/files/file_io.h"
#include "core/files/replacing_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr char Cr = '\r';
constexpr char Lf = '\n';

QByteArrayView LineEnd(LineEndForm form) {
    return form == LineEndForm::Unix ? QByteArrayView("\n") : QByteArrayView("\r\n");
}

QByteArray ConvertedWhole(const QByteArray& bytes, LineEndForm form) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 32 + 2);
    LineEndConverter converter(form);
    converter.convert(bytes, out);
    converter.finish(out);
    return out;
}

} // namespace

void LineEndConverter::convert(QByteArrayView piece, QByteArray& out) {
    const qsizetype size = piece.size();
    if (size == 0)
        return;
    const char endsLine = m_form == LineEndForm::Unix ? Cr : Lf;
    const QByteArrayView lineEnd = LineEnd(m_form);
    // The LF of a CR LF whose CR ended the last piece.
    qsizetype lineStart = m_afterCr && piece.front() == Lf ? 1 : 0;
    m_afterCr = false;
    while (lineStart < size) {
        const qsizetype end = piece.indexOf(endsLine, lineStart);
        if (end < 0) {
            out.append(piece.sliced(lineStart));
            m_lineOpen = true;
            return;
        }
        out.append(piece.sliced(lineStart, end - lineStart));
        out.append(lineEnd);
        m_lineOpen = false;
        lineStart = end + 1;
        if (endsLine == Cr && lineStart == size)
            m_afterCr = true;
        else if (endsLine == Cr && piece[lineStart] == Lf)
            ++lineStart;
    }
}

void LineEndConverter::finish(QByteArray& out) {
    if (m_lineOpen)
        out.append(LineEnd(m_form));
    m_lineOpen = false;
    m_afterCr = false;
}

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
    return ConvertedWhole(bytes, LineEndForm::Unix);
}

QByteArray ToDosLineEnds(const QByteArray& bytes) {
    return ConvertedWhole(bytes, LineEndForm::Dos);
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

FileConversion ConvertFileLineEnds(const QString& path, LineEndForm form,
                                   const ConversionProgress& progress, qint64 pieceSize) {
    FileConversion result;
    result.outputPath = ConvertedFilePath(path, form);
    const auto failed = [&result](ConversionOutcome outcome, const QString& error) {
        result.outcome = outcome;
        result.error = error;
        return result;
    };
    if (NamesSameFile(path, result.outputPath))
        return failed(ConversionOutcome::SameAsInput, QString());
    QFile input;
    QString reason;
    const FileReadFailure opened = OpenRegularFile(input, path, &reason);
    if (opened != FileReadFailure::None)
        return failed(ConversionOutcome::CannotRead, FileReadReason(opened, reason));
    // Renaming the copy over a pipe or a device would replace it.
    if (CheckRegularFile(result.outputPath) == FileReadFailure::NotRegular)
        return failed(ConversionOutcome::CannotWrite, FileReadReason(FileReadFailure::NotRegular));
    // Left unfinished, the temporary file is removed and the name untouched.
    // Never written in place: an old copy overwritten piece by piece would be
    // half gone on a full disk or when the program ends.
    ReplacingFile output(result.outputPath);
    const auto cannotWrite = [&] {
        return failed(ConversionOutcome::CannotWrite, FileWriteReason(output.error()));
    };
    if (!output.open())
        return cannotWrite();

    const qint64 total = input.size();
    LineEndConverter converter(form);
    QByteArray piece(qsizetype(pieceSize), Qt::Uninitialized);
    QByteArray converted;
    // Each LF may become CR LF: the room for a whole piece's worst case
    // is taken once, not grown piece by piece.
    converted.reserve(qsizetype(form == LineEndForm::Dos ? 2 * pieceSize : pieceSize) + 2);
    for (qint64 done = 0;;) {
        const qint64 got = input.read(piece.data(), pieceSize);
        if (got < 0)
            return failed(ConversionOutcome::CannotRead, input.errorString());
        converted.resize(0);
        if (got == 0)
            converter.finish(converted);
        else
            converter.convert(QByteArrayView(piece.constData(), qsizetype(got)), converted);
        if (!output.write(converted))
            return cannotWrite();
        if (got == 0)
            break;
        done += got;
        if (progress && !progress(done, total))
            return failed(ConversionOutcome::Stopped, QString());
    }
    if (!output.commit())
        return cannotWrite();
    return result;
}
