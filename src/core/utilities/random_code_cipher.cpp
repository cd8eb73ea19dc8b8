#include "core/utilities/random_code_cipher.h"

#include <QSet>
#include <cmath>
#include <optional>

namespace {

constexpr int LetterCount = 26;

[[nodiscard]] QChar RandomBit(RandomGenerator& generator) {
    return generator.draw() < 0.5 ? u'0' : u'1';
}

// The member at position floor(r * n) + 1 of group; "" for an empty group.
[[nodiscard]] QString RandomMember(const QString& group, RandomGenerator& generator) {
    const auto at = static_cast<qsizetype>(generator.draw() * static_cast<double>(group.size()));
    return group.isEmpty() ? QString() : QString(group.at(std::min(at, group.size() - 1)));
}

// The symbol of a code index from 0: the letter, blank, CR or LF.
[[nodiscard]] QChar SymbolOf(int index) {
    if (index < LetterCount)
        return QChar(u'A' + index);
    static constexpr char16_t Others[] = {u' ', u'\r', u'\n'};
    return QChar(Others[index - LetterCount]);
}

// The code index from 0 of a symbol; -1 for a character that is none.
[[nodiscard]] int IndexOf(QChar symbol) {
    if (symbol >= u'A' && symbol <= u'Z')
        return symbol.unicode() - u'A';
    switch (symbol.unicode()) {
    case u' ':
        return LetterCount;
    case u'\r':
        return LetterCount + 1;
    case u'\n':
        return LetterCount + 2;
    default:
        return -1;
    }
}

// |x / y - 1| + 1; without a value when y is 0, indeterminate when x is 0 too.
struct Coefficient {
    std::optional<double> value;
    bool indeterminate = false;
};

[[nodiscard]] Coefficient Balance(qsizetype x, qsizetype y) {
    if (y == 0)
        return {std::nullopt, x == 0};
    return {std::abs(static_cast<double>(x) / static_cast<double>(y) - 1) + 1, false};
}

[[nodiscard]] QString Shown(const Coefficient& coefficient, int decimals, const QLocale& locale) {
    if (coefficient.value)
        return locale.toString(*coefficient.value, 'f', decimals);
    return coefficient.indeterminate ? QStringLiteral("neurčitý") : QStringLiteral("nekonečno");
}

} // namespace

void DrawCipherCodes(CipherTable& table, int depth, RandomGenerator& generator) {
    table.Depth = depth;
    QSet<QString> drawn;
    for (QString& code : table.Codes) {
        do {
            code.clear();
            for (int bit = 0; bit < depth; ++bit)
                code += RandomBit(generator);
        } while (drawn.contains(code));
        drawn.insert(code);
    }
}

void DrawLetterGroups(CipherTable& table, RandomGenerator& generator) {
    do {
        table.OneLetters.clear();
        table.ZeroLetters.clear();
        for (int letter = 0; letter < LetterCount; ++letter)
            (RandomBit(generator) == u'1' ? table.OneLetters : table.ZeroLetters) +=
                QChar(u'A' + letter);
    } while (table.OneLetters.isEmpty() || table.ZeroLetters.isEmpty());
}

QStringList CipherCodeLines(const CipherTable& table) {
    QStringList lines{QStringLiteral("Hloubka: ") + QString::number(table.Depth)};
    for (int index = 0; index < LetterCount; ++index)
        lines << QString(SymbolOf(index)) + QString(7, u' ') + table.Codes.at(index);
    lines << QStringLiteral("\" \"     ") + table.Codes.at(LetterCount);
    lines << QStringLiteral("Chr(13) ") + table.Codes.at(LetterCount + 1);
    lines << QStringLiteral("Chr(10) ") + table.Codes.at(LetterCount + 2);
    return lines;
}

QStringList LetterGroupLines(const CipherTable& table) {
    QStringList lines;
    for (const QChar letter : table.ZeroLetters)
        lines << QStringLiteral("0 : ") + letter;
    lines << QStringLiteral("-----");
    for (const QChar letter : table.OneLetters)
        lines << QStringLiteral("1 : ") + letter;
    return lines;
}

QString CipherStatistics(const CipherTable& table, int countedPositions, const QLocale& locale) {
    qsizetype ones = 0;
    qsizetype zeros = 0;
    for (const QString& code : table.Codes) {
        for (const QChar bit : code.left(countedPositions)) {
            ones += bit == u'1';
            zeros += bit == u'0';
        }
    }
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const Coefficient a = Balance(table.OneLetters.size(), table.ZeroLetters.size());
    const Coefficient b = Balance(ones, zeros);
    Coefficient product{std::nullopt, a.indeterminate || b.indeterminate};
    if (a.value && b.value)
        product.value = *a.value * *b.value;
    return QStringLiteral("Koeficient A:") + Shown(a, 5, numbers) +
           QStringLiteral(" Koeficient B:") + Shown(b, 5, numbers) + QStringLiteral(" Celkem:") +
           Shown(product, 9, numbers);
}

QString RndEncrypt(const QString& prepared, const CipherTable& table, RandomGenerator& generator) {
    QString cipher;
    cipher.reserve(prepared.size() * std::max(table.Depth, 0));
    for (const QChar symbol : prepared) {
        const int index = IndexOf(symbol);
        if (index < 0)
            continue;
        const QString& code = table.Codes.at(index);
        for (int bit = 0; bit < table.Depth; ++bit) {
            const bool zero = bit < code.size() && code.at(bit) == u'0';
            cipher += RandomMember(zero ? table.ZeroLetters : table.OneLetters, generator);
        }
    }
    return cipher;
}

QString RndDecrypt(const QString& text, const CipherTable& table) {
    if (table.Depth < 1)
        return {};
    QString bits(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bits[i] = table.ZeroLetters.contains(text.at(i)) ? u'0' : u'1';

    QString plain;
    std::optional<QChar> symbol;
    for (qsizetype start = 0; start < bits.size(); start += table.Depth) {
        const QStringView chunk = QStringView(bits).mid(start, table.Depth);
        for (int index = CipherSymbolCount - 1; index >= 0; --index) {
            if (table.Codes.at(index).contains(chunk)) {
                symbol = SymbolOf(index);
                break;
            }
        }
        if (symbol)
            plain += *symbol;
    }
    return plain;
}
