#include "core/html/html_form.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

FormInputValues input(const QString& type) {
    FormInputValues values;
    values.type = type;
    return values;
}

// Every type-dependent box ticked, so only the type decides what is written.
FormInputValues allTicked(const QString& type) {
    FormInputValues values = input(type);
    values.sizeChecked = values.maxLengthChecked = values.checked = values.acceptChecked = true;
    values.sizeLabel = u"20"_s;
    values.maxLengthLabel = u"40"_s;
    values.imageAttributes = u"SRC=\"b.png\" ALIGN=\"left\""_s;
    return values;
}

TEST(HtmlForm, InputWritesOnlyTheChosenTypesAttributes) {
    FormInputValues checkbox = input(u"CHECKBOX"_s);
    checkbox.checked = true;
    FormInputValues sizeNeverMoved = input(u"TEXT"_s);
    sizeNeverMoved.sizeChecked = true;

    const QString common = u" NAME=\"input1\" VALUE=\"\""_s;
    const struct {
        const char* name;
        FormInputValues values;
        QString tag;
    } cases[] = {
        {"no type chosen", input(QString()), u"<INPUT TYPE=\"\""_s + common + u'>'},
        {"checkbox", checkbox, u"<INPUT TYPE=\"CHECKBOX\""_s + common + u" CHECKED>"_s},
        {"size never moved", sizeNeverMoved,
         u"<INPUT TYPE=\"TEXT\""_s + common + u" SIZE=\"0\">"_s},
        {"text", allTicked(u"TEXT"_s),
         u"<INPUT TYPE=\"TEXT\""_s + common + u" SIZE=\"20\" MAXLENGTH=\"40\">"_s},
        {"password", allTicked(u"PASSWORD"_s),
         u"<INPUT TYPE=\"PASSWORD\""_s + common + u" SIZE=\"20\" MAXLENGTH=\"40\">"_s},
        {"radio", allTicked(u"RADIO"_s), u"<INPUT TYPE=\"RADIO\""_s + common + u" CHECKED>"_s},
        {"image", allTicked(u"IMAGE"_s),
         u"<INPUT TYPE=\"IMAGE\""_s + common + u" SRC=\"b.png\" ALIGN=\"left\">"_s},
        {"image before the dialog", input(u"IMAGE"_s),
         u"<INPUT TYPE=\"IMAGE\""_s + common + u" >"_s},
        {"file", allTicked(u"FILE"_s),
         u"<INPUT TYPE=\"FILE\""_s + common + u" ACCEPT=\"image/*,text/*\">"_s},
        {"size dropped for hidden", allTicked(u"HIDDEN"_s),
         u"<INPUT TYPE=\"HIDDEN\""_s + common + u'>'},
        {"submit", allTicked(u"SUBMIT"_s), u"<INPUT TYPE=\"SUBMIT\""_s + common + u'>'},
        {"types compare exactly", allTicked(u"text"_s), u"<INPUT TYPE=\"text\""_s + common + u'>'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormInputTag(c.values), c.tag) << c.name;
}

TEST(HtmlForm, EachTypeShowsItsOwnControls) {
    const struct {
        QString type;
        FormInputControls shown;
    } cases[] = {
        // size, max length, checked, image, accept
        {u"TEXT"_s, {true, true, false, false, false}},
        {u"PASSWORD"_s, {true, true, false, false, false}},
        {u"CHECKBOX"_s, {false, false, true, false, false}},
        {u"RADIO"_s, {false, false, true, false, false}},
        {u"IMAGE"_s, {false, false, false, true, false}},
        {u"FILE"_s, {false, false, false, false, true}},
        {u"HIDDEN"_s, {}},
        {u"BUTTON"_s, {}},
        {QString(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormInputControlsOf(c.type), c.shown) << c.type.toStdString();
}

TEST(HtmlForm, SelectAndTextAreaKeepTheirLinesJoinedByCrLf) {
    FormSelectValues oneOption;
    oneOption.options = {{u"a"_s, u"1"_s}};
    FormSelectValues everything;
    everything.heightChecked = everything.multiple = true;
    everything.heightLabel = u"5"_s;
    everything.options = {{u"b"_s, QString()}, {QString(), u"2"_s}};
    EXPECT_EQ(FormSelectElement(oneOption),
              u"<SELECT NAME=\"select1\">\r\n<OPTION VALUE=\"1\">a</OPTION>\r\n</SELECT>"_s);
    EXPECT_EQ(FormSelectElement(everything),
              u"<SELECT NAME=\"select1\" SIZE=\"5\" MULTIPLE>\r\n<OPTION VALUE=\"\">b</OPTION>\r\n"
              u"<OPTION VALUE=\"2\"></OPTION>\r\n</SELECT>"_s);

    FormTextAreaValues sized;
    sized.rowsChecked = sized.colsChecked = true;
    sized.rowsLabel = u"3"_s;
    sized.colsLabel = u"30"_s;
    sized.text = u"a\r\nb"_s;
    EXPECT_EQ(FormTextAreaElement({}), u"<TEXTAREA NAME=\"textarea1\">\r\n\r\n</TEXTAREA>"_s);
    EXPECT_EQ(FormTextAreaElement(sized),
              u"<TEXTAREA NAME=\"textarea1\" ROWS=\"3\" COLS=\"30\">\r\na\r\nb\r\n</TEXTAREA>"_s);
}

TEST(HtmlForm, FormHoldsItsElementsInOrder) {
    FormValues oneInput;
    oneInput.elements = {u"<INPUT TYPE=\"TEXT\" NAME=\"input1\" VALUE=\"\">"_s};
    FormValues postMultipart;
    postMultipart.post = postMultipart.multipart = true;
    postMultipart.elements = {u"<SELECT>\r\n</SELECT>"_s, u"<BR>"_s};

    EXPECT_EQ(FormElement({}),
              u"<FORM ACTION=\"akce.php\" NAME=\"form1\" METHOD=\"GET\">\r\n</FORM>"_s);
    EXPECT_EQ(FormElement(oneInput),
              u"<FORM ACTION=\"akce.php\" NAME=\"form1\" METHOD=\"GET\">\r\n"
              u"<INPUT TYPE=\"TEXT\" NAME=\"input1\" VALUE=\"\">\r\n</FORM>"_s);
    EXPECT_EQ(FormElement(postMultipart),
              u"<FORM ACTION=\"akce.php\" NAME=\"form1\" METHOD=\"POST\" "
              u"ENCTYPE=\"multipart/form-data\">\r\n<SELECT>\r\n</SELECT>\r\n<BR>\r\n</FORM>"_s);
}

} // namespace
