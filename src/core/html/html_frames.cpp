#include "core/html/html_frames.h"

#include "core/html/html_simple_tags.h"

using namespace Qt::StringLiterals;

namespace {

const QString CrLf = u"\r\n"_s;

} // namespace

QString FrameTag(const FrameTagValues& v) {
    QString tag = u"<FRAME"_s + HtmlAttribute(u"SRC"_s, v.address);
    tag += HtmlAttributeIf(v.nameChecked, u"NAME"_s, v.name);
    tag += HtmlAttributeIf(v.alignChecked, u"ALIGN"_s, v.align);
    tag += HtmlAttributeIf(v.borderChecked, u"FRAMEBORDER"_s, v.borderLabel);
    tag += HtmlAttributeIf(v.borderColorChecked, u"BORDERCOLOR"_s, v.borderColor);
    tag += HtmlAttributeIf(v.spacingChecked, u"FRAMESPACING"_s, v.spacingLabel);
    tag += HtmlAttributeIf(v.scrollingChecked, u"SCROLLING"_s, v.scrolling);
    tag += HtmlAttributeIf(v.marginChecked, u"MARGINHEIGHT"_s, v.marginHeightLabel);
    tag += HtmlAttributeIf(v.marginChecked, u"MARGINWIDTH"_s, v.marginWidthLabel);
    if (v.noResize)
        tag += HtmlFlag(u"NORESIZE"_s);
    return tag + u'>';
}

QString NoFramesMessage() {
    return u"Tento Prohlížeč nepodporuje Framesy"_s;
}

QString FramesetPrefix(const QString& head, const FramesetValues& v) {
    return head + u"  <TITLE>"_s + v.title + u"</TITLE>"_s + CrLf + u" </HEAD>"_s + CrLf +
           u" <FRAMESET"_s + HtmlAttributeIf(v.rowsChecked, u"ROWS"_s, v.rows) +
           HtmlAttributeIf(v.colsChecked, u"COLS"_s, v.cols) + u'>' + CrLf + u" </FRAMESET>"_s +
           CrLf + u" <NOFRAMES>"_s + CrLf;
}

NewPage FramesetAround(const QString& prefix, const QString& oldText) {
    const QString inside = oldText.isEmpty() ? NoFramesMessage() : oldText;
    NewPage page;
    page.text = prefix + inside + CrLf + u" </NOFRAMES>"_s + CrLf + u"</HTML>"_s;
    page.oldStart = static_cast<int>(prefix.size());
    page.oldLength = static_cast<int>(inside.size());
    return page;
}
