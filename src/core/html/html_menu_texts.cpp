#include "core/html/html_menu_texts.h"

#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QChar Quote = u'"';

// Every character the PHP string literal must not hold as it stands.
QString phpEscaped(QString line) {
    line.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    line.replace(QStringLiteral("\r"), QStringLiteral("\\r"));
    line.replace(QString(Quote), QStringLiteral("\\\""));
    line.replace(QStringLiteral("$"), QStringLiteral("\\$"));
    line.replace(QStringLiteral("\t"), QStringLiteral("\\t"));
    return line;
}

} // namespace

QString HtmlWave(const QString& text) {
    QString wave;
    wave.reserve(text.size() * 6);
    for (qsizetype i = 0; i < text.size(); ++i) {
        switch (i % 4) {
        case 0:
            wave += QStringLiteral("<SUB>") + text[i] + QStringLiteral("</SUB>");
            break;
        case 2:
            wave += QStringLiteral("<SUP>") + text[i] + QStringLiteral("</SUP>");
            break;
        default:
            wave += text[i];
        }
    }
    return wave;
}

QString PublishableListing(const QString& text) {
    // Step by step, each over the result of the one before: the bolding
    // also catches entities the selection already held.
    QString listing = text;
    listing.replace(QStringLiteral("<"), QStringLiteral("&lt;"));
    listing.replace(QStringLiteral(">"), QStringLiteral("&gt;"));
    listing.replace(QString(Quote), QStringLiteral("&quot;"));
    listing.replace(QStringLiteral("&lt;"), QStringLiteral("<B>&lt;"));
    listing.replace(QStringLiteral("&gt;"), QStringLiteral("&gt;</B>"));
    listing.replace(CrLf, QStringLiteral("<BR>") + CrLf);
    listing.replace(QStringLiteral("  "), QStringLiteral("&nbsp;&nbsp;"));
    listing.replace(QStringLiteral("&nbsp; "), QStringLiteral("&nbsp;&nbsp;"));
    listing.replace(CrLf + u' ', CrLf + QStringLiteral("&nbsp;"));
    return QStringLiteral("<TT>") + listing + QStringLiteral("</TT>");
}

QString PhpEchoScript(const QString& text) {
    QStringList lines = text.split(CrLf);
    for (QString& line : lines)
        line = phpEscaped(line);
    const QString separator = QStringLiteral("\\n\");") + CrLf + QStringLiteral(" echo (\"");
    return QStringLiteral("<?php") + CrLf + QStringLiteral(" echo (\"") + lines.join(separator) +
           QStringLiteral("\");") + CrLf + QStringLiteral("?>");
}

TagWrap CommentWrap() {
    return {QStringLiteral("<! "), QStringLiteral(" >")};
}

TagWrap TwoRuleHeadingWrap() {
    return {QStringLiteral("<HR ALIGN = \"LEFT\" Width = \"60%\"><H2>"),
            QStringLiteral("</H2><HR ALIGN = \"RIGHT\" Width = \"60%\">")};
}

TagWrap TableHeadingWrap() {
    return {QStringLiteral("<TABLE BORDER=\"0\" WIDTH=\"100%\">") + CrLf +
                QStringLiteral("<TR><TD WIDTH=\"33%\"><HR></TD><TD ALIGN=\"CENTER\">"),
            QStringLiteral("</TD><TD WIDTH=\"33%\"><HR></TD></TR>") + CrLf +
                QStringLiteral("</TABLE>")};
}

QString CustomAttributeText(const QStringList& attributes, const QStringList& values) {
    QString text;
    for (qsizetype i = 0; i < attributes.size(); ++i)
        text += u' ' + attributes[i] + u'=' + Quote + values.value(i) + Quote;
    return text;
}

TagWrap CustomTagText(const CustomTag& tag) {
    const QString open = u'<' + tag.name + CustomAttributeText(tag.attributes, tag.values) + u'>';
    const QString close = tag.paired ? QStringLiteral("</") + tag.name + u'>' : QString();
    return TagWrap{open, close};
}

std::optional<ColourValueSpan> ColourValueAt(const QString& text, int caret) {
    if (caret < 0 || caret > text.size())
        return std::nullopt;
    // The text up to the character after the caret must hold a pair; the
    // nearest pair is then looked for from that character back, so a pair
    // that starts right after the caret is taken before an earlier one.
    const int last = std::min(caret, static_cast<int>(text.size()) - 1);
    if (!QStringView(text).first(last + 1).contains(QStringLiteral("\"#")))
        return std::nullopt;
    int quote = last;
    while (!(text[quote] == Quote && quote + 1 < text.size() && text[quote + 1] == u'#'))
        --quote;
    const int hash = quote + 1;
    return ColourValueSpan{hash, std::min(ColourValueLength, static_cast<int>(text.size()) - hash)};
}
