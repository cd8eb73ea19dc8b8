#include "core/html/html_simple_tags.h"

#include "core/colour/colour_text.h"

using namespace Qt::StringLiterals;

namespace {

HtmlInsertion insertAtCaret(const QString& text) {
    return {HtmlInsertMode::InsertAtCaret, text, QString()};
}

HtmlInsertion wrapSelection(const QString& open, const QString& close) {
    return {HtmlInsertMode::WrapSelection, open, close};
}

QString mailToOpening(const QString& address) {
    return u"<A HREF="_s + u'"' + u"mailto:"_s + address + u'"' + u'>';
}

} // namespace

QString HtmlAttribute(const QString& name, const QString& value) {
    return u' ' + name + u"=\""_s + value + u'"';
}

QString HtmlAttributeIf(bool ticked, const QString& name, const QString& value) {
    return ticked ? HtmlAttribute(name, value) : QString();
}

QString HtmlFlag(const QString& name) {
    return u' ' + name;
}

QString HtmlAlignAttribute(HtmlAlign align) {
    switch (align) {
    case HtmlAlign::Left:
        return HtmlAttribute(u"ALIGN"_s, u"LEFT"_s);
    case HtmlAlign::Center:
        return HtmlAttribute(u"ALIGN"_s, u"CENTER"_s);
    case HtmlAlign::Right:
        return HtmlAttribute(u"ALIGN"_s, u"RIGHT"_s);
    case HtmlAlign::Justify:
        return HtmlAttribute(u"ALIGN"_s, u"JUSTIFY"_s);
    case HtmlAlign::None:
        break;
    }
    return QString();
}

HtmlInsertion OdstavecInsertion(const OdstavecValues& values) {
    return wrapSelection(u"<P"_s + HtmlAlignAttribute(values.align) + u'>', u"</P>"_s);
}

HtmlInsertion HrInsertion(const HrValues& values) {
    QString text = u"<HR"_s + HtmlAlignAttribute(values.align);
    if (values.widthChecked)
        text += HtmlAttribute(u"WIDTH"_s, values.widthLabel);
    if (values.noShade)
        text += HtmlFlag(u"NOSHADE"_s);
    return insertAtCaret(text + u'>');
}

HtmlInsertion NadpisInsertion(const NadpisValues& values) {
    QString open = u"<H"_s + values.levelLabel + HtmlAlignAttribute(values.align);
    if (values.noWrap)
        open += HtmlFlag(u"NOWRAP"_s);
    return wrapSelection(open + u'>', u"</H"_s + values.levelLabel + u'>');
}

HtmlInsertion KotvaInsertion(const KotvaValues& values) {
    return insertAtCaret(u"<A"_s + HtmlAttribute(u"NAME"_s, values.name) + u"></A>"_s);
}

HtmlInsertion OdkazInsertion(const OdkazValues& values) {
    return wrapSelection(u"<A"_s + HtmlAttribute(u"HREF"_s, u'#' + values.anchor) + u'>',
                         u"</A>"_s);
}

HtmlInsertion BarvaInsertion(const BarvaValues& values) {
    QString open = u"<FONT"_s;
    if (values.sizeChecked)
        open += HtmlAttribute(u"SIZE"_s, QString::number(values.size));
    if (values.faceChecked)
        open += HtmlAttribute(u"FACE"_s, values.face);
    if (values.colorChecked)
        open += HtmlAttribute(u"COLOR"_s, ColorToHex(values.color));
    return wrapSelection(open + u'>', u"</FONT>"_s);
}

QStringList BarvaFaces() {
    return {u"Arial"_s, u"Times"_s, u"Courier"_s, u"Tahoma"_s, u"Serif"_s};
}

HtmlInsertion ZlomekInsertion(const ZlomekValues& values) {
    return insertAtCaret(u"<SUP>"_s + values.numerator + u"</SUP>/<SUB>"_s + values.denominator +
                         u"</SUB>"_s);
}

HtmlInsertion MailToInsertion(const MailToValues& values, const QString& selectedText) {
    const QString open = mailToOpening(values.address);
    if (selectedText.isEmpty())
        return insertAtCaret(open + values.address + u"</A>"_s);
    return wrapSelection(open, u"</A>"_s);
}

HtmlInsertion SmajlInsertion(const SmajlValues& values) {
    return insertAtCaret(values.text);
}

QStringList SmileyPartItems(SmileyPart part) {
    switch (part) {
    case SmileyPart::Hat:
        return {u" "_s, u"("_s, u"<"_s, u"{"_s, u"["_s, u"/"_s,
                u"*"_s, u"+"_s, u"="_s, u"-"_s, u"~"_s};
    case SmileyPart::Eyes:
        return {u":"_s, u";"_s, u"8"_s, u"&"_s, u"$"_s, u"="_s, u"B"_s, u"§"_s, u"|"_s};
    case SmileyPart::Nose:
        return {u"-"_s, u"<"_s, u"*"_s, u"o"_s, u"~"_s, u" "_s};
    case SmileyPart::Mouth:
        return {u")"_s, u"]"_s, u"}"_s, u">"_s, u"7"_s, u"&"_s, u"I"_s,
                u"#"_s, u"w"_s, u"V"_s, u"/"_s, u"!"_s, u"|"_s};
    case SmileyPart::Beard:
        return {u" "_s, u"="_s, u"-"_s};
    }
    return {};
}

QString SmileyFromParts(const QStringList& chosen) {
    const QString joined = chosen.join(QString());
    qsizetype first = 0;
    qsizetype end = joined.size();
    while (first < end && joined.at(first) == u' ')
        ++first;
    while (end > first && joined.at(end - 1) == u' ')
        --end;
    return joined.mid(first, end - first);
}
