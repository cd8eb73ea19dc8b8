#include "core/html/html_link_tags.h"

#include "core/files/path_helpers.h"
#include "core/html/html_image_tag.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

HtmlInsertion LinkInsertion(const LinkValues& values, bool selectionEmpty) {
    QString target = values.toFile ? values.fileAddress : values.address;
    if (values.anchorChecked && !values.anchor.isEmpty())
        target += u'#' + values.anchor;
    QString open = u"<A"_s + HtmlAttribute(u"HREF"_s, target);
    if (values.targetChecked)
        open += HtmlAttribute(u"TARGET"_s, values.target);
    if (values.titleChecked)
        open += HtmlAttribute(u"TITLE"_s, values.title);
    open += u'>';
    if (selectionEmpty)
        open += target;
    return {HtmlInsertMode::WrapSelection, open, u"</A>"_s};
}

QString LinkAutoTitle(const QString& fullPath, qint64 bytes, const QLocale& locale) {
    // A link names no picture size, even for a picture file.
    return ImageAutoAlt(fullPath, ImageSize{}, bytes, locale);
}

std::optional<QString> LinkAutoTitleFor(const QString& fullPath, const QLocale& locale) {
    if (!FileExists(fullPath))
        return std::nullopt;
    return LinkAutoTitle(fullPath, QFileInfo(fullPath).size(), locale);
}

QString StyleSheetLinkTag(const StyleSheetLinkValues& values) {
    QString tag = u"<LINK"_s + HtmlAttribute(u"HREF"_s, values.address);
    if (values.relChecked)
        tag += HtmlAttribute(u"REL"_s, values.rel);
    if (values.typeChecked)
        tag += HtmlAttribute(u"TYPE"_s, values.type);
    return tag + u'>';
}
