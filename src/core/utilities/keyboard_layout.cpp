#include "core/utilities/keyboard_layout.h"

#include "core/text/ansi_code_page.h"

namespace {

// The main block ends here; the numeric block starts a little to its right,
// its last column wide enough for the caption of its Enter key.
constexpr int MainBlockWidth = 6480;
constexpr int NumericLeft = MainBlockWidth + 240;
constexpr int WideColumn = 2 * KeyPitch;

constexpr int top(int row) {
    return row * KeyPitch;
}

constexpr int numeric(int column) {
    return NumericLeft + column * KeyPitch;
}

QRect square(int left, int row) {
    return {left, top(row), KeyPitch, KeyPitch};
}

// The letter rows start further right row by row, like a typewriter's.
QRect letter(int row, int rowStart, int position) {
    return square(rowStart + position * KeyPitch, row);
}

constexpr int FirstRowStart = 240;
constexpr int QRowStart = 480;
constexpr int ARowStart = 600;
constexpr int YRowStart = 720;

std::array<KeyboardKey, KeyboardCharacterKeys> MakeCharacterKeys() {
    std::array<KeyboardKey, KeyboardCharacterKeys> keys;
    const auto set = [&keys](int index, const char16_t* caption, QRect place) {
        keys.at(index) = {QStringLiteral("CmnChar"), QString::fromUtf16(caption), place};
    };
    const char16_t* const qRow[] = {u"q", u"w", u"e", u"r", u"t", u"z", u"u", u"i", u"o", u"p"};
    for (int i = 0; i < 10; ++i)
        set(i, qRow[i], letter(1, QRowStart, i));
    const char16_t* const aRow[] = {u"a", u"s", u"d", u"f", u"g", u"h", u"j", u"k", u"l"};
    for (int i = 0; i < 9; ++i)
        set(10 + i, aRow[i], letter(2, ARowStart, i));
    const char16_t* const yRow[] = {u"y", u"x", u"c", u"v", u"b", u"n", u"m"};
    for (int i = 0; i < 7; ++i)
        set(19 + i, yRow[i], letter(3, YRowStart, i));
    const char16_t* const firstRow[] = {u";", u"ó", u"ě", u"š", u"č", u"ř",
                                        u"ž", u"ý", u"á", u"í", u"é", u"ť"};
    for (int i = 0; i < 12; ++i)
        set(41 + i, firstRow[i], letter(0, FirstRowStart, i));
    set(63, u"%", letter(0, FirstRowStart, 12));

    set(54, u"ú", letter(1, QRowStart, 10));
    set(53, u"(", letter(1, QRowStart, 11));
    set(55, u")", letter(1, QRowStart, 12));
    const int backslashLeft = QRowStart + 13 * KeyPitch;
    set(56, u"\\", {backslashLeft, top(1), MainBlockWidth - backslashLeft, KeyPitch});
    set(57, u"ů", letter(2, ARowStart, 9));
    set(58, u"!", letter(2, ARowStart, 10));
    set(59, u",", letter(3, YRowStart, 7));
    set(60, u".", letter(3, YRowStart, 8));
    set(61, u"?", letter(3, YRowStart, 9));
    set(62, u" ", {0, top(4), MainBlockWidth, KeyPitch});

    set(37, u"/", square(numeric(1), 0));
    set(38, u"*", square(numeric(2), 0));
    set(39, u"-", {numeric(3), top(0), WideColumn, KeyPitch});
    const char16_t* const digitRows[3][3] = {
        {u"7", u"8", u"9"}, {u"4", u"5", u"6"}, {u"1", u"2", u"3"}};
    const int firstIndex[3] = {33, 30, 27};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            set(firstIndex[row] + column, digitRows[row][column], square(numeric(column), 1 + row));
    }
    set(40, u"+", {numeric(3), top(1), WideColumn, 2 * KeyPitch});
    set(26, u"0", {numeric(0), top(4), 2 * KeyPitch, KeyPitch});
    set(36, u"=", square(numeric(2), 4));
    return keys;
}

} // namespace

const std::array<KeyboardKey, KeyboardCharacterKeys>& CharacterKeys() {
    static const std::array<KeyboardKey, KeyboardCharacterKeys> keys = MakeCharacterKeys();
    return keys;
}

KeyboardKey FunctionKey(const QString& name) {
    const int escLeft = FirstRowStart + 13 * KeyPitch;
    const int enterLeft = ARowStart + 11 * KeyPitch;
    const int rightShiftLeft = YRowStart + 10 * KeyPitch;
    const KeyboardKey keys[] = {
        {QStringLiteral("Command50"),
         QStringLiteral("Esc - Close"),
         {escLeft, top(0), MainBlockWidth - escLeft, KeyPitch}},
        {QStringLiteral("Command2"), QStringLiteral("Tab"), {0, top(1), QRowStart, KeyPitch}},
        {QStringLiteral("chkCaps"), QStringLiteral("Caps"), {0, top(2), ARowStart, KeyPitch}},
        {QStringLiteral("Command51"),
         QStringLiteral("Enter"),
         {enterLeft, top(2), MainBlockWidth - enterLeft, KeyPitch}},
        {QStringLiteral("Check2"), QStringLiteral("Shift"), {0, top(3), YRowStart, KeyPitch}},
        {QStringLiteral("Check1"),
         QStringLiteral("Shift"),
         {rightShiftLeft, top(3), MainBlockWidth - rightShiftLeft, KeyPitch}},
        {QStringLiteral("Command1"),
         QStringLiteral("Enter"),
         {numeric(3), top(3), WideColumn, 2 * KeyPitch}},
    };
    for (const KeyboardKey& key : keys) {
        if (key.name == name)
            return key;
    }
    return {};
}

QSize KeyboardSize() {
    return {numeric(3) + WideColumn, top(5)};
}

QString KeyText(const QString& caption, bool shift) {
    return shift ? AnsiUpper(caption) : caption;
}
