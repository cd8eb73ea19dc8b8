#include "utilities/calculator/Prev.h"

#include "utilities/utilities_window_test.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

class PrevTest : public UtilitiesWindowTest {
protected:
    PrevTest() : converter(LoadedWindow<Prev>()) { ShowOwned(converter); }

    // Types digits with the keys of the field of base.
    void type(NumberBase base, const QString& digits) {
        for (const QChar digit : digits)
            click(converter.digitKey(base, digit));
    }
    [[nodiscard]] ConverterFields shown() const {
        return {converter.field(NumberBase::Binary)->text(),
                converter.field(NumberBase::Octal)->text(),
                converter.field(NumberBase::Decimal)->text(),
                converter.field(NumberBase::Hexadecimal)->text(), converter.Label8()->text()};
    }
    static void expectFields(const ConverterFields& fields, const ConverterFields& expected) {
        EXPECT_EQ(fields.binary.toStdString(), expected.binary.toStdString());
        EXPECT_EQ(fields.octal.toStdString(), expected.octal.toStdString());
        EXPECT_EQ(fields.decimal.toStdString(), expected.decimal.toStdString());
        EXPECT_EQ(fields.hexadecimal.toStdString(), expected.hexadecimal.toStdString());
        EXPECT_EQ(fields.roman.size(), expected.roman.size());
        EXPECT_TRUE(fields.roman == expected.roman) << fields.roman.left(40).toStdString();
    }

    Prev& converter;
};

TEST_F(PrevTest, StartsAtZeroAndEnterConvertsTheDecimalField) {
    EXPECT_EQ(converter.windowTitle(), u"Převody"_s);
    EXPECT_EQ(shown(), ConverterFields({u"0"_s, u"0"_s, u"0"_s, u"0"_s, QString()}));
    for (QLineEdit* field : converter.findChildren<QLineEdit*>())
        EXPECT_TRUE(field->isReadOnly()) << field->objectName().toStdString();
    QTest::keyClick(&converter, Qt::Key_Return);
    EXPECT_EQ(shown(), ConverterFields({u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
}

TEST_F(PrevTest, EachFieldFillsTheOthers) {
    const struct {
        NumberBase base;
        const char16_t* digits;
        ConverterFields fields;
    } cases[] = {
        {NumberBase::Decimal, u"255", {u"11111111"_s, u"377"_s, u"255"_s, u"FF"_s, u"CCLV"_s}},
        {NumberBase::Hexadecimal,
         u"8000",
         {u"1000000000000000"_s, u"100000"_s, u"32768"_s, u"8000"_s,
          QString(32, u'M') + u"DCCLXVIII"_s}},
        {NumberBase::Octal,
         u"177777",
         {u"1111111111111111"_s, u"177777"_s, u"65535"_s, u"FFFF"_s,
          QString(65, u'M') + u"DXXXV"_s}},
        {NumberBase::Binary, u"101", {u"101"_s, u"5"_s, u"5"_s, u"5"_s, u"V"_s}},
    };
    for (const auto& c : cases) {
        Prev window(&form);
        for (const QChar digit : QString::fromUtf16(c.digits))
            click(window.digitKey(c.base, digit));
        click(window.convertKey(c.base));
        EXPECT_EQ(window.field(NumberBase::Binary)->text(), c.fields.binary);
        EXPECT_EQ(window.field(NumberBase::Octal)->text(), c.fields.octal);
        EXPECT_EQ(window.field(NumberBase::Decimal)->text(), c.fields.decimal);
        EXPECT_EQ(window.field(NumberBase::Hexadecimal)->text(), c.fields.hexadecimal);
        EXPECT_EQ(window.Label8()->text(), c.fields.roman);
    }
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(PrevTest, TheLargestNumberRoundTripsThroughBinaryWithItsWholeRomanNumeral) {
    type(NumberBase::Decimal, u"999999999"_s);
    click(converter.convertKey(NumberBase::Decimal));
    const ConverterFields largest{u"111011100110101100100111111111"_s, u"7346544777"_s,
                                  u"999999999"_s, u"3B9AC9FF"_s,
                                  QString(999999, u'M') + u"DCCCCLXXXXVIIII"_s};
    expectFields(shown(), largest);
    click(converter.convertKey(NumberBase::Binary));
    expectFields(shown(), largest);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(PrevTest, KeysStopAtTheFieldLimitAndBackspaceLeavesZero) {
    type(NumberBase::Decimal, u"1234567890"_s);
    EXPECT_EQ(converter.field(NumberBase::Decimal)->text(), u"123456789"_s);
    type(NumberBase::Octal, u"777777777777"_s);
    EXPECT_EQ(converter.field(NumberBase::Octal)->text(), u"77777777777"_s);
    type(NumberBase::Hexadecimal, u"0FFFFFFFFFF"_s);
    EXPECT_EQ(converter.field(NumberBase::Hexadecimal)->text(), u"FFFFFFFFF"_s);
    type(NumberBase::Binary, u"0101"_s);
    EXPECT_EQ(converter.field(NumberBase::Binary)->text(), u"101"_s);

    click(converter.backspaceKey(NumberBase::Binary));
    EXPECT_EQ(converter.field(NumberBase::Binary)->text(), u"10"_s);
    for (int press = 0; press < 3; ++press)
        click(converter.backspaceKey(NumberBase::Binary));
    EXPECT_EQ(converter.field(NumberBase::Binary)->text(), u"0"_s);
}

// A number the decimal field cannot hold is refused with a message; no field
// changes.
TEST_F(PrevTest, ANumberAboveTheRangeIsRefusedAndTheFieldsStay) {
    type(NumberBase::Decimal, u"42"_s);
    click(converter.convertKey(NumberBase::Decimal));
    const ConverterFields before = shown();
    const struct {
        NumberBase base;
        QString digits;
    } cases[] = {
        {NumberBase::Hexadecimal, u"FFFFFFFFF"_s},
        {NumberBase::Binary, u"1"_s + QString(30, u'0')},
    };
    for (const auto& c : cases) {
        platform.messageBox.shown.clear();
        Prev window(&form);
        for (const QChar digit : c.digits)
            click(window.digitKey(c.base, digit));
        click(window.convertKey(c.base));
        EXPECT_EQ(window.field(c.base)->text(), c.digits);
        EXPECT_EQ(window.field(NumberBase::Decimal)->text(),
                  c.base == NumberBase::Decimal ? c.digits : u"0"_s);
        EXPECT_TRUE(window.Label8()->text().isEmpty());
        ASSERT_EQ(platform.messageBox.shown.size(), 1);
        EXPECT_EQ(platform.messageBox.shown.front().request.text,
                  u"Převést lze jen celá čísla od 0 do 999999999."_s);
        EXPECT_EQ(platform.messageBox.shown.front().owner, &window);
    }
    EXPECT_EQ(shown(), before);
}

TEST_F(PrevTest, EscKeepsItAndTheCloseBoxUnloadsIt) {
    type(NumberBase::Decimal, u"7"_s);
    QTest::keyClick(&converter, Qt::Key_Escape);
    EXPECT_TRUE(converter.isVisible());
    converter.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(LoadedWindowIfAny<Prev>(), nullptr);
    EXPECT_EQ(LoadedWindow<Prev>().field(NumberBase::Decimal)->text(), u"0"_s);
}

} // namespace
