#include "core/html/html_image_tag.h"

#include "core/files/path_helpers.h"
#include "core/html/html_simple_tags.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString alignText(ImageAlign align) {
    switch (align) {
    case ImageAlign::Top:
        return u"top"_s;
    case ImageAlign::Middle:
        return u"middle"_s;
    case ImageAlign::Bottom:
        return u"bottom"_s;
    case ImageAlign::Left:
        return u"left"_s;
    case ImageAlign::Right:
        return u"right"_s;
    }
    return {};
}

QString withoutLeadingBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    return text.mid(start);
}

// Appends the attribute only while its box is ticked.
void appendIf(QString& s, bool checked, const QString& name, const QString& value) {
    if (checked)
        s += HtmlAttribute(name, value);
}

} // namespace

QString ImageTagAttributes(const ImageTagValues& v) {
    QString s = u"SRC=\""_s + v.address + u'"';
    appendIf(s, v.altChecked, u"ALT"_s, v.alt);
    appendIf(s, v.alignChecked, u"ALIGN"_s, alignText(v.align));
    appendIf(s, v.sizeChecked, u"WIDTH"_s, v.widthLabel);
    appendIf(s, v.sizeChecked, u"HEIGHT"_s, v.heightLabel);
    appendIf(s, v.spaceChecked, u"VSPACE"_s, v.vspaceLabel);
    appendIf(s, v.spaceChecked, u"HSPACE"_s, v.hspaceLabel);
    appendIf(s, v.borderChecked, u"BORDER"_s, withoutLeadingBlanks(v.borderLabel));
    appendIf(s, v.lowSrcChecked, u"LOWSRC"_s, v.lowSrc);
    appendIf(s, v.useMapChecked, u"USEMAP"_s, v.useMap);
    return s;
}

QString ImageTag(const ImageTagValues& values) {
    return u"<IMG "_s + ImageTagAttributes(values) + u'>';
}

bool CanPresetImageSize(ImageSize size) {
    constexpr int limit = 32000;
    return size.width > 0 && size.height > 0 && size.width < limit && size.height < limit;
}

QString ImageAutoAlt(const QString& fullPath, ImageSize size, qint64 bytes, const QLocale& locale) {
    QString alt = fullPath.section(u'/', -1).toLower();
    if (size.width != 0 && size.height != 0)
        alt += u", "_s + QString::number(size.width) + u'x' + QString::number(size.height);
    return alt + u", "_s + FormatFileSize(bytes, locale);
}

std::optional<QString> ImageAutoAltFor(const QString& fullPath, const QLocale& locale) {
    if (!FileExists(fullPath))
        return std::nullopt;
    return ImageAutoAlt(fullPath, GetImageSize(fullPath), QFileInfo(fullPath).size(), locale);
}
