#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The texts of the form builder: INPUT, SELECT and TEXTAREA elements and the
// FORM that holds them. Nothing is validated or escaped: empty names, values
// and texts are written as empty quoted values.

// The types CmbType offers, in its order.
[[nodiscard]] QStringList FormInputTypes();

// Which of the type-dependent controls of the INPUT page a type shows.
struct FormInputControls {
    bool size = false;      // ChkSize, HSSize, LblSize
    bool maxLength = false; // ChkMaxLength, HSMaxLength, LblMaxLength
    bool checked = false;   // ChkChecked
    bool image = false;     // CmndImage, LblImage
    bool accept = false;    // ChkAccept, TxtAccept

    friend bool operator==(const FormInputControls&, const FormInputControls&) = default;
};
// The controls of type, compared exactly; none for any other text.
[[nodiscard]] FormInputControls FormInputControlsOf(const QString& type);

// The INPUT page; the labels are the value labels as shown.
struct FormInputValues {
    QString type; // the text of CmbType, empty while none is chosen
    QString name = QStringLiteral("input1");
    QString value;
    bool sizeChecked = false;
    QString sizeLabel = QStringLiteral("0");
    bool maxLengthChecked = false;
    QString maxLengthLabel = QStringLiteral("0");
    bool checked = false;
    QString imageAttributes; // LblImage: what the image dialog gave, from SRC on
    bool acceptChecked = false;
    QString accept = QStringLiteral("image/*,text/*");
};
// TYPE, NAME and VALUE always, then only the attributes of the chosen type.
[[nodiscard]] QString FormInputTag(const FormInputValues& values);

// One row of the SELECT's option list.
struct FormOption {
    QString text;
    QString value;

    friend bool operator==(const FormOption&, const FormOption&) = default;
};

struct FormSelectValues {
    QString name = QStringLiteral("select1");
    bool heightChecked = false;
    QString heightLabel = QStringLiteral("0");
    bool multiple = false;
    QList<FormOption> options;
};
// The SELECT start tag, one OPTION line per row and </SELECT>, joined by CR LF.
[[nodiscard]] QString FormSelectElement(const FormSelectValues& values);

struct FormTextAreaValues {
    QString name = QStringLiteral("textarea1");
    QString text; // the content, with its own line breaks
    bool rowsChecked = false;
    QString rowsLabel = QStringLiteral("0");
    bool colsChecked = false;
    QString colsLabel = QStringLiteral("0");
};
// The start tag, the content on lines of its own and </TEXTAREA>; an empty
// content still leaves an empty line.
[[nodiscard]] QString FormTextAreaElement(const FormTextAreaValues& values);

struct FormValues {
    QString action = QStringLiteral("akce.php");
    QString name = QStringLiteral("form1");
    bool post = false;      // OptMethodPOST rather than OptMethotGET
    bool multipart = false; // ChkEnctype
    QStringList elements;   // LstElements, each element whole
};
// The FORM start tag, each element on the next line(s) and </FORM>, joined by
// CR LF.
[[nodiscard]] QString FormElement(const FormValues& values);
