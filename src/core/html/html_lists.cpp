#include "core/html/html_lists.h"

#include "core/html/html_simple_tags.h"

using namespace Qt::StringLiterals;

namespace {

const QString CrLf = u"\r\n"_s;

} // namespace

QString HtmlListText(const HtmlListValues& values) {
    const QString name = values.ordered ? u"OL"_s : u"UL"_s;
    QString text = u'<' + name;
    if (values.typeChecked)
        text += HtmlAttribute(u"TYPE"_s, values.type);
    if (values.compact)
        text += HtmlFlag(u"COMPACT"_s);
    text += u'>';
    if (values.labelChecked)
        text += CrLf + u"<LH>"_s + values.label + u"</LH>"_s;
    for (const QString& item : values.items)
        text += CrLf + u"<LI>"_s + item + u"</LI>"_s;
    return text + CrLf + u"</"_s + name + u'>';
}

QString DefinitionListText(const QList<DefinitionPair>& pairs) {
    QString text = u"<DL>"_s + CrLf;
    for (const DefinitionPair& pair : pairs)
        text += u"<DT>"_s + pair.term + u"</DT>"_s + CrLf + u"<DD>"_s + pair.definition +
                u"</DD>"_s + CrLf;
    return text + u"</DL>"_s;
}
