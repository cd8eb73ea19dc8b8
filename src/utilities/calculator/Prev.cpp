#include "utilities/calculator/Prev.h"

#include "core/utilities/keypad_text.h"
#include "platform/message_box.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/window_registry.h"
#include "utilities/calculator/keypad_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int KeyWidth = 28;
constexpr int KeySpacing = 2;

// One number field of the window, with its keys.
struct FieldDesign {
    NumberBase base;
    const char16_t* fieldName;
    const char16_t* caption;
    const char16_t* keysName;
    const char16_t* keyCharacters;
    const char16_t* backspaceName;
    const char16_t* convertName;
};

constexpr FieldDesign Fields[] = {
    {NumberBase::Binary, u"Text1", u"Binárně", u"CmndBin", u"01", u"Command2", u"Command3"},
    {NumberBase::Octal, u"Label6", u"Oktagonálně", u"cmnOct", u"12345670", u"Command37",
     u"Command40"},
    {NumberBase::Decimal, u"Label1", u"Decimálně", u"cmnDec", u"1234567890", u"Command35",
     u"Command38"},
    {NumberBase::Hexadecimal, u"Label3", u"Hexadecimálně", u"cmnHex", u"123456789ABCDEF0",
     u"Command36", u"Command39"},
};

const FieldDesign& DesignOf(NumberBase base) {
    for (const FieldDesign& design : Fields) {
        if (design.base == base)
            return design;
    }
    return Fields[0];
}

// A box that only the window's keys and conversions change.
QLineEdit* NumberBox(QWidget* parent, const QString& name, const QString& text) {
    return MakeKeypadBox(parent, name, text);
}

// The keys that type the characters of a field's base into it.
QHBoxLayout* KeyRow(QWidget* window, const FieldDesign& design, QLineEdit* field,
                    QList<QPushButton*>& made) {
    auto* keys = new QHBoxLayout;
    keys->setSpacing(KeySpacing);
    const QString characters = QString::fromUtf16(design.keyCharacters);
    for (qsizetype index = 0; index < characters.size(); ++index) {
        const QChar character = characters.at(index);
        // The elements of the array share its name and differ by Index.
        auto* key = MakeNamed<QPushButton>(window, QString::fromUtf16(design.keysName),
                                           {.text = QString(character)});
        key->setProperty("Index", index);
        key->setFixedWidth(KeyWidth);
        key->setAutoDefault(false);
        QObject::connect(key, &QPushButton::clicked, window,
                         [field, base = design.base, character] {
                             field->setText(TypeIntoField(base, field->text(), character));
                         });
        keys->addWidget(key);
        made << key;
    }
    keys->addStretch();
    return keys;
}

} // namespace

Prev::Prev(QWidget* owner) : QDialog(owner) {
    SetUpKeypadWindow(*this, QStringLiteral("Prev"), QStringLiteral("Převody"));
    auto* layout = new QGridLayout(this);
    for (const FieldDesign& design : Fields)
        addRow(design.base);
    const int romanRow = layout->rowCount();
    layout->addWidget(
        MakeNamed<QLabel>(this, QStringLiteral("RomanCaption"), {.text = QStringLiteral("Římsky")}),
        romanRow, 0);
    m_roman = NumberBox(this, QStringLiteral("Label8"), QString());
    layout->addWidget(m_roman, romanRow, 1);
    layout->setColumnMinimumWidth(1, 420);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Prev::addRow(NumberBase base) {
    const FieldDesign& design = DesignOf(base);
    auto* layout = static_cast<QGridLayout*>(this->layout());
    const int top = layout->rowCount();
    Row row{.base = base, .field = nullptr, .keys = {}, .backspace = nullptr, .convert = nullptr};
    auto* caption =
        MakeNamed<QLabel>(this, QString::fromUtf16(design.fieldName) + QStringLiteral("Caption"),
                          {.text = QString::fromUtf16(design.caption)});
    row.field = NumberBox(this, QString::fromUtf16(design.fieldName), QStringLiteral("0"));
    // Deleting and converting stand beside the field, so the longest row of
    // keys alone sets the window's width.
    row.backspace = MakeNamed<QPushButton>(this, QString::fromUtf16(design.backspaceName),
                                           {.text = QStringLiteral("<<")});
    row.backspace->setAutoDefault(false);
    connect(row.backspace, &QPushButton::clicked, this,
            [field = row.field] { field->setText(DropLastCharacter(field->text())); });
    row.convert = MakeNamed<QPushButton>(this, QString::fromUtf16(design.convertName),
                                         {.text = QStringLiteral("Převeď")});
    row.convert->setAutoDefault(false);
    connect(row.convert, &QPushButton::clicked, this, [this, base] { convertFrom(base); });
    // Enter converts the decimal field.
    row.convert->setDefault(base == NumberBase::Decimal);
    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(row.field, 1);
    fieldRow->addWidget(row.backspace);
    fieldRow->addWidget(row.convert);
    layout->addWidget(caption, top, 0);
    layout->addLayout(fieldRow, top, 1);

    QHBoxLayout* keys = KeyRow(this, design, row.field, row.keys);
    layout->addLayout(keys, top + 1, 1);
    m_rows << row;
}

const Prev::Row& Prev::row(NumberBase base) const {
    for (const Row& row : m_rows) {
        if (row.base == base)
            return row;
    }
    return m_rows.front();
}

QLineEdit* Prev::field(NumberBase base) const {
    return row(base).field;
}

QPushButton* Prev::digitKey(NumberBase base, QChar character) const {
    const qsizetype index = QString::fromUtf16(DesignOf(base).keyCharacters).indexOf(character);
    return index < 0 ? nullptr : row(base).keys.at(index);
}

QPushButton* Prev::backspaceKey(NumberBase base) const {
    return row(base).backspace;
}

QPushButton* Prev::convertKey(NumberBase base) const {
    return row(base).convert;
}

void Prev::convertFrom(NumberBase base) {
    const std::optional<ConverterFields> fields = ConvertFrom(base, field(base)->text());
    if (!fields) {
        MessageBoxRequest notice;
        notice.text = TooLargeForConverterText();
        notice.title = windowTitle();
        notice.icon = MessageBoxIcon::Exclamation;
        (void)Platform().messageBox->show(notice, this);
        return;
    }
    field(NumberBase::Binary)->setText(fields->binary);
    field(NumberBase::Octal)->setText(fields->octal);
    field(NumberBase::Decimal)->setText(fields->decimal);
    field(NumberBase::Hexadecimal)->setText(fields->hexadecimal);
    m_roman->setText(fields->roman);
}

void Prev::closeEvent(QCloseEvent* event) {
    event->accept();
    Platform().windows->discard(this);
}
