#include "core/html/html_head_lines.h"

#include "core/html/html_simple_tags.h"

using namespace Qt::StringLiterals;

namespace {

QString namedMeta(const QString& name, const QString& content) {
    return u"<META"_s + HtmlAttribute(u"NAME"_s, name) + HtmlAttribute(u"CONTENT"_s, content) +
           u'>';
}

} // namespace

QString WithDocumentType(const QString& line, const QString& text) {
    return line + u"\r\n"_s + text;
}

QStringList MetaSettingsLines(const QString& userName, const QString& email,
                              const QString& version) {
    const QString generator = u"Halvereths Tarvel Qor v"_s + version;
    return {namedMeta(u"AUTHOR"_s, userName), namedMeta(u"GENERATOR"_s, generator),
            namedMeta(u"REPLY-TO"_s, email), namedMeta(u"ORIGINATOR"_s, generator)};
}
