#include "core/html/html_table_tags.h"

using namespace Qt::StringLiterals;

namespace {

QString alignmentAttributes(const TableAlignValues& values) {
    QString text;
    if (values.alignChecked) {
        text += HtmlAttribute(u"ALIGN"_s, values.align);
        // An empty character box writes no CHAR at all.
        if (values.align == u"CHAR"_s && !values.character.isEmpty())
            text += HtmlAttribute(u"CHAR"_s, values.character);
    }
    if (values.valignChecked)
        text += HtmlAttribute(u"VALIGN"_s, values.valign);
    return text;
}

QString cellAttributes(const TableCellValues& values) {
    QString text;
    if (values.backgroundChecked)
        text += HtmlAttribute(u"BACKGROUND"_s, values.background);
    text += alignmentAttributes(values.alignment);
    if (values.colorChecked)
        text += HtmlAttribute(u"BGCOLOR"_s, values.colorLabel);
    if (values.colspanChecked)
        text += HtmlAttribute(u"COLSPAN"_s, values.colspanLabel);
    if (values.rowspanChecked)
        text += HtmlAttribute(u"ROWSPAN"_s, values.rowspanLabel);
    if (values.noWrap)
        text += HtmlFlag(u"NOWRAP"_s);
    if (values.widthChecked)
        text += HtmlAttribute(u"WIDTH"_s, values.widthLabel);
    return text;
}

} // namespace

QString TableCellStartTag(const TableCellValues& values) {
    return (values.header ? u"<TH"_s : u"<TD"_s) + cellAttributes(values) + u'>';
}

QString TableCellEndTag(const TableCellValues& values) {
    return values.header ? u"</TH>"_s : u"</TD>"_s;
}

QString TableRowStartTag(const TableRowValues& values) {
    return u"<TR"_s + alignmentAttributes(values.alignment) + u'>';
}

QString TableAttributeText(const QString& startTag) {
    constexpr qsizetype tagName = 3; // "<TD", "<TH" or "<TR"
    if (startTag.size() <= tagName + 1)
        return QString();
    return startTag.mid(tagName, startTag.size() - tagName - 1);
}

HtmlInsertion TableCellInsertion(const TableCellValues& values, bool hasSelection) {
    const QString open = TableCellStartTag(values);
    const QString close = TableCellEndTag(values);
    if (hasSelection)
        return {HtmlInsertMode::WrapSelection, open, close};
    return {HtmlInsertMode::InsertAtCaret, open + u"Buňka"_s + close, QString()};
}

HtmlInsertion TableRowInsertion(const TableRowValues& values) {
    QString text = TableRowStartTag(values);
    for (int i = 1; i <= values.cellCount; ++i)
        text += u"<TD"_s + values.cellAttributes + u">Buňka"_s + QString::number(i) + u"</TD>"_s;
    return {HtmlInsertMode::InsertAtCaret, text + u"</TR>\r\n"_s, QString()};
}
