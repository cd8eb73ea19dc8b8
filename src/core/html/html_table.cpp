#include "core/html/html_table.h"

#include "core/html/html_simple_tags.h"

using namespace Qt::StringLiterals;

namespace {

const QString kLineBreak = u"\r\n"_s;

void appendOptional(QString& tag, const QString& name, const std::optional<QString>& value) {
    if (value)
        tag += HtmlAttribute(name, *value);
}

QString startTag(const TableValues& values) {
    QString tag = u"<TABLE"_s;
    appendOptional(tag, u"WIDTH"_s, values.width);
    if (values.cols)
        tag += HtmlAttribute(u"COLS"_s, QString::number(values.columns));
    appendOptional(tag, u"COLSPEC"_s, values.colspec);
    appendOptional(tag, u"ALIGN"_s, values.align);
    if (values.frame) {
        tag += HtmlAttribute(u"FRAME"_s, values.frame->frame);
        tag += HtmlAttribute(u"BORDER"_s, values.frame->border);
    }
    appendOptional(tag, u"RULES"_s, values.rules);
    appendOptional(tag, u"CELLSPACING"_s, values.cellSpacing);
    appendOptional(tag, u"CELLPADDING"_s, values.cellPadding);
    return tag + u'>';
}

QString captionLine(const TableCaption& caption) {
    return u"<CAPTION"_s + HtmlAttribute(u"ALIGN"_s, caption.align) + u'>' + caption.text +
           u"</CAPTION>"_s;
}

QString rowLine(const TableGrid& grid, int row, int columns) {
    QString line = u"<TR"_s + grid.rowAttributes(row) + u'>';
    for (int column = 1; column <= columns; ++column) {
        const TableCellRecord& cell = grid.cell(column, row);
        line += u"<TD"_s + cell.attributes + u'>' + cell.content + u"</TD>"_s;
    }
    return line + u"</TR>"_s;
}

} // namespace

QString TableHtml(const TableValues& values, const TableGrid& grid) {
    QString html = startTag(values) + kLineBreak + u"<TBODY>"_s + kLineBreak;
    if (values.caption)
        html += captionLine(*values.caption) + kLineBreak;
    for (int row = 1; row <= values.rows; ++row)
        html += rowLine(grid, row, values.columns) + kLineBreak;
    return html + u"</TBODY>"_s + kLineBreak + u"</TABLE>"_s;
}

QString TableCursorLabel(int position, int count) {
    return QString::number(position) + u'/' + QString::number(count);
}
