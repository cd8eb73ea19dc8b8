#include "core/utilities/char_frequency.h"

#include "core/text/ansi_code_page.h"
#include "core/utilities/code_table.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr int Blank = 32;
constexpr int LastListedCode = 255;
constexpr int LastGraphCode = 256;
constexpr int NarrowLastCode = 128;

int HeightOf(int count, int maximum) {
    // Nothing to scale to: every point lies on the base line.
    if (maximum == 0)
        return GraphBaseline;
    const double height = static_cast<double>(count) / maximum * GraphBaseline;
    // lrint rounds a half to the even neighbour.
    return static_cast<int>(std::lrint(GraphBaseline - height));
}

} // namespace

CodeCounts CountCodes(const QString& text) {
    CodeCounts counts{};
    for (const QChar c : text) {
        const int code = Asc(c);
        if (code != 0)
            ++counts[code];
    }
    return counts;
}

QString GeneralNumber(double value, const QLocale& locale) {
    QString text = QString::number(value, 'g', 15);
    text.replace(u'e', u'E');
    text.replace(u'.', locale.decimalPoint());
    return text;
}

std::vector<FrequencyRow> RankedFrequencies(const CodeCounts& counts, int textLength,
                                            const QLocale& locale) {
    std::vector<int> codes(LastListedCode);
    std::iota(codes.begin(), codes.end(), 1);
    std::stable_sort(codes.begin(), codes.end(),
                     [&counts](int a, int b) { return counts[a] > counts[b]; });
    std::vector<FrequencyRow> rows;
    rows.reserve(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int code = codes[i];
        const double percent =
            textLength > 0 ? static_cast<double>(counts[code]) / textLength * 100 : 0;
        rows.push_back({.rank = QString::number(i + 1),
                        .count = QString::number(counts[code]),
                        .percent = GeneralNumber(percent, locale),
                        .code = QString::number(code),
                        .character = CharacterOfCode(code)});
    }
    return rows;
}

int GraphMaximum(const CodeCounts& counts, bool ignoreBlank) {
    int maximum = 0;
    for (int code = 1; code <= LastListedCode; ++code) {
        if (!(ignoreBlank && code == Blank))
            maximum = std::max(maximum, counts[code]);
    }
    return maximum;
}

FrequencyGraph DrawFrequencies(const CodeCounts& counts, const GraphOptions& options) {
    const int maximum = GraphMaximum(counts, options.ignoreBlank);
    const int lastCode = options.wide ? LastGraphCode : NarrowLastCode;
    const int step = options.wide ? 2 : 4;
    FrequencyGraph graph;
    graph.penWidth = options.wide ? 1 : 3;
    if (options.lines) {
        graph.shape = options.wide ? FrequencyGraph::Shape::Curve : FrequencyGraph::Shape::Polyline;
        for (int code = 1; code <= lastCode; ++code)
            graph.points.emplace_back(step * code, HeightOf(counts[code], maximum));
        return graph;
    }
    graph.shape = FrequencyGraph::Shape::Bars;
    for (int code = 1; code <= lastCode; ++code) {
        if (counts[code] <= 0 || (options.ignoreBlank && code == Blank))
            continue;
        const int x = step * code;
        graph.bars.emplace_back(x, HeightOf(counts[code], maximum), x, GraphBaseline);
    }
    return graph;
}

std::optional<QString> GraphPositionText(int x, bool wide) {
    if (x <= 0 || x / 2 > LastListedCode)
        return std::nullopt;
    const int code = wide ? x / 2 : x / 4;
    return QStringLiteral("Poloha: ") + QString::number(code) + QStringLiteral(" Znak: \"") +
           CharacterOfCode(code) + u'"';
}
