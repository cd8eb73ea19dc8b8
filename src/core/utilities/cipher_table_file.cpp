#include "core/utilities/cipher_table_file.h"

#include "core/text/ansi_code_page.h"

#include <QtEndian>

namespace {

// A name of the symbol of a code index from 0, as the user sees it listed.
[[nodiscard]] QString SymbolName(int index) {
    if (index < 26)
        return QString(QChar(u'A' + index));
    static const QString Others[] = {QStringLiteral("mezery"), QStringLiteral("Chr(13)"),
                                     QStringLiteral("Chr(10)")};
    return Others[index - 26];
}

void AppendText(QByteArray& bytes, const QString& text) {
    const QByteArray encoded = EncodeAnsi(text).left(LongestCipherTableText);
    const auto length = static_cast<quint16>(encoded.size());
    bytes.append(static_cast<char>(length & 0xFF));
    bytes.append(static_cast<char>(length >> 8));
    bytes.append(encoded);
}

// Reads the record's fields in order; a read past the end leaves it failed.
class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes) : m_bytes(bytes) {}

    [[nodiscard]] std::optional<QString> text() {
        if (m_at + 2 > m_bytes.size())
            return std::nullopt;
        const qsizetype length = qFromLittleEndian<quint16>(m_bytes.constData() + m_at);
        if (m_at + 2 + length > m_bytes.size())
            return std::nullopt;
        const QString read = DecodeAnsi(m_bytes.mid(m_at + 2, length));
        m_at += 2 + length;
        return read;
    }
    [[nodiscard]] std::optional<int> byte() {
        if (m_at >= m_bytes.size())
            return std::nullopt;
        return static_cast<quint8>(m_bytes.at(m_at++));
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

[[nodiscard]] DecodedCipherTable Refused(const QString& problem) {
    return {std::nullopt, problem};
}

[[nodiscard]] QString EndsInside(const QString& part) {
    return QStringLiteral("Soubor končí uprostřed %1.").arg(part);
}

[[nodiscard]] bool IsCode(const QString& code, int depth) {
    if (code.size() != depth)
        return false;
    for (const QChar bit : code) {
        if (bit != u'0' && bit != u'1')
            return false;
    }
    return true;
}

// Why the letter groups cannot carry a cipher, or empty when they can. Each
// group needs a letter, and the two may share none, or a bit could not be
// told from the other. The cipher text is prepared (upper case, A to Z only)
// before it is deciphered, so any other character would be lost. The groups
// need not take every letter: the ones left out are never written.
[[nodiscard]] QString LetterGroupsProblem(const QString& ones, const QString& zeros) {
    if (ones.isEmpty() || zeros.isEmpty())
        return QStringLiteral("Jedna ze skupin písmen je prázdná.");
    for (const QChar letter : ones + zeros) {
        if (letter < u'A' || letter > u'Z')
            return QStringLiteral("Ve skupinách písmen smějí být jen písmena A až Z.");
    }
    for (const QChar letter : ones) {
        if (zeros.contains(letter))
            return QStringLiteral("Písmeno %1 je v obou skupinách.").arg(letter);
    }
    return {};
}

} // namespace

QByteArray EncodeCipherTable(const CipherTable& table) {
    QByteArray bytes;
    for (const QString& code : table.Codes)
        AppendText(bytes, code);
    bytes.append(static_cast<char>(static_cast<quint8>(table.Depth)));
    AppendText(bytes, table.OneLetters);
    AppendText(bytes, table.ZeroLetters);
    AppendText(bytes, table.Note);
    return bytes;
}

DecodedCipherTable DecodeCipherTable(const QByteArray& bytes) {
    RecordReader reader(bytes);
    CipherTable table;
    for (int index = 0; index < CipherSymbolCount; ++index) {
        const std::optional<QString> code = reader.text();
        if (!code)
            return Refused(EndsInside(QStringLiteral("kódu znaku %1").arg(SymbolName(index))));
        table.Codes.at(index) = *code;
    }
    const std::optional<int> depth = reader.byte();
    if (!depth)
        return Refused(EndsInside(QStringLiteral("hloubky")));
    table.Depth = *depth;
    const std::optional<QString> ones = reader.text();
    const std::optional<QString> zeros = ones ? reader.text() : std::nullopt;
    if (!zeros)
        return Refused(EndsInside(QStringLiteral("skupin písmen")));
    table.OneLetters = *ones;
    table.ZeroLetters = *zeros;
    const std::optional<QString> note = reader.text();
    if (!note)
        return Refused(EndsInside(QStringLiteral("poznámky")));
    table.Note = *note;

    if (table.Depth == 0)
        return Refused(QStringLiteral("Hloubka tabulky je 0."));
    for (int index = 0; index < CipherSymbolCount; ++index) {
        if (!IsCode(table.Codes.at(index), table.Depth))
            return Refused(QStringLiteral("Kód znaku %1 nemá %2 číslic 0 a 1.")
                               .arg(SymbolName(index))
                               .arg(table.Depth));
        for (int before = 0; before < index; ++before) {
            if (table.Codes.at(before) == table.Codes.at(index))
                return Refused(QStringLiteral("Znaky %1 a %2 mají stejný kód.")
                                   .arg(SymbolName(before), SymbolName(index)));
        }
    }
    if (const QString problem = LetterGroupsProblem(table.OneLetters, table.ZeroLetters);
        !problem.isEmpty())
        return Refused(problem);
    return {std::move(table), QString()};
}
