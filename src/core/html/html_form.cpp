#include "core/html/html_form.h"

#include "core/html/html_simple_tags.h"

using namespace Qt::StringLiterals;

namespace {

const QString CrLf = u"\r\n"_s;

} // namespace

QStringList FormInputTypes() {
    return {u"BUTTON"_s,   u"CHECKBOX"_s, u"FILE"_s,  u"HIDDEN"_s, u"IMAGE"_s,
            u"PASSWORD"_s, u"RADIO"_s,    u"RESET"_s, u"SUBMIT"_s, u"TEXT"_s};
}

FormInputControls FormInputControlsOf(const QString& type) {
    FormInputControls shown;
    if (type == u"TEXT"_s || type == u"PASSWORD"_s)
        shown.size = shown.maxLength = true;
    else if (type == u"CHECKBOX"_s || type == u"RADIO"_s)
        shown.checked = true;
    else if (type == u"IMAGE"_s)
        shown.image = true;
    else if (type == u"FILE"_s)
        shown.accept = true;
    return shown;
}

QString FormInputTag(const FormInputValues& values) {
    QString tag = u"<INPUT"_s + HtmlAttribute(u"TYPE"_s, values.type) +
                  HtmlAttribute(u"NAME"_s, values.name) + HtmlAttribute(u"VALUE"_s, values.value);
    // Only the chosen type's controls count: a box ticked under another
    // type and hidden since writes nothing.
    const FormInputControls own = FormInputControlsOf(values.type);
    if (own.size) {
        tag += HtmlAttributeIf(values.sizeChecked, u"SIZE"_s, values.sizeLabel);
        tag += HtmlAttributeIf(values.maxLengthChecked, u"MAXLENGTH"_s, values.maxLengthLabel);
    } else if (own.checked && values.checked) {
        tag += HtmlFlag(u"CHECKED"_s);
    } else if (own.image) {
        tag += u' ' + values.imageAttributes;
    } else if (own.accept) {
        tag += HtmlAttributeIf(values.acceptChecked, u"ACCEPT"_s, values.accept);
    }
    return tag + u'>';
}

QString FormSelectElement(const FormSelectValues& values) {
    QString text = u"<SELECT"_s + HtmlAttribute(u"NAME"_s, values.name) +
                   HtmlAttributeIf(values.heightChecked, u"SIZE"_s, values.heightLabel);
    if (values.multiple)
        text += HtmlFlag(u"MULTIPLE"_s);
    text += u'>';
    for (const FormOption& option : values.options)
        text +=
            CrLf + u"<OPTION VALUE=\""_s + option.value + u"\">"_s + option.text + u"</OPTION>"_s;
    return text + CrLf + u"</SELECT>"_s;
}

QString FormTextAreaElement(const FormTextAreaValues& values) {
    return u"<TEXTAREA"_s + HtmlAttribute(u"NAME"_s, values.name) +
           HtmlAttributeIf(values.rowsChecked, u"ROWS"_s, values.rowsLabel) +
           HtmlAttributeIf(values.colsChecked, u"COLS"_s, values.colsLabel) + u'>' + CrLf +
           values.text + CrLf + u"</TEXTAREA>"_s;
}

QString FormElement(const FormValues& values) {
    QString text = u"<FORM"_s + HtmlAttribute(u"ACTION"_s, values.action) +
                   HtmlAttribute(u"NAME"_s, values.name) +
                   HtmlAttribute(u"METHOD"_s, values.post ? u"POST"_s : u"GET"_s) +
                   HtmlAttributeIf(values.multipart, u"ENCTYPE"_s, u"multipart/form-data"_s) + u'>';
    for (const QString& element : values.elements)
        text += CrLf + element;
    return text + CrLf + u"</FORM>"_s;
}
