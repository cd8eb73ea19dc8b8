#include "core/html/html_new_page.h"

#include "core/html/file_picker_address.h"
#include "core/html/html_simple_tags.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString headLines(const NewPageValues& values) {
    QString lines = QStringLiteral("  <TITLE>") + values.title + QStringLiteral("</TITLE>") + CrLf;
    if (values.baseChecked)
        lines += QStringLiteral("  <BASE") + HtmlAttribute(QStringLiteral("HREF"), values.base) +
                 u'>' + CrLf;
    if (values.baseFontChecked)
        lines += QStringLiteral("  <BASEFONT") +
                 HtmlAttribute(QStringLiteral("SIZE"), QString::number(values.baseFontSize)) +
                 u'>' + CrLf;
    return lines;
}

QString colourAttribute(const QString& name, const PageColour& colour) {
    return HtmlAttributeIf(colour.checked, name, colour.text);
}

QString bodyAttributes(const NewPageValues& values) {
    QString attributes;
    // A fixed background means nothing without a picture.
    if (values.pictureChecked) {
        attributes += HtmlAttribute(QStringLiteral("BACKGROUND"),
                                    PickerAddress(values.picturePath, values.pictureRelative));
        if (values.fixedPicture)
            attributes += HtmlAttribute(QStringLiteral("BGPROPERTIES"), QStringLiteral("FIXED"));
    }
    attributes += colourAttribute(QStringLiteral("BGCOLOR"), values.background);
    attributes += colourAttribute(QStringLiteral("TEXT"), values.text);
    attributes += colourAttribute(QStringLiteral("LINK"), values.link);
    attributes += colourAttribute(QStringLiteral("VLINK"), values.visitedLink);
    attributes += colourAttribute(QStringLiteral("ALINK"), values.activeLink);
    if (values.marginChecked)
        attributes += HtmlAttribute(QStringLiteral("TOPMARGIN"), values.topMargin) +
                      HtmlAttribute(QStringLiteral("LEFTMARGIN"), values.leftMargin);
    return attributes;
}

} // namespace

QString NewPagePrefix(const QString& head, const NewPageValues& values) {
    return head + headLines(values) + QStringLiteral(" </HEAD>") + CrLf + QStringLiteral(" <BODY") +
           bodyAttributes(values) + u'>' + CrLf;
}

NewPage NewPageAround(const QString& prefix, const QString& oldText) {
    NewPage page;
    page.text = prefix + oldText + CrLf + CrLf + QStringLiteral(" </BODY>") + CrLf +
                QStringLiteral("</HTML>");
    // A QString counts CR LF as two characters, as the editor's positions do.
    page.oldStart = static_cast<int>(prefix.size());
    page.oldLength = static_cast<int>(oldText.size());
    return page;
}
