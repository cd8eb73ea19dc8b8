#include "utilities/keyboard/Klavesnice.h"

#include "core/text/editor_procedures.h"
#include "core/utilities/keyboard_layout.h"
#include "core/utilities/typed_keys.h"
#include "platform/named_control.h"
#include "platform/window_title.h"
#include "shell/shared_procedures.h"

#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int Margin = 8;

} // namespace

Klavesnice::Klavesnice(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Klavesnice"));
    setWindowTitle(QStringLiteral("Klávesnice"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Row by row, left to right, as a reader meets the keys.
    std::vector<std::pair<QRect, int>> order;
    for (int index = 0; index < KeyboardCharacterKeys; ++index)
        order.emplace_back(CharacterKeys().at(index).place, index);
    const QStringList others = {QStringLiteral("Command50"), QStringLiteral("Command2"),
                                QStringLiteral("chkCaps"),   QStringLiteral("Command51"),
                                QStringLiteral("Check2"),    QStringLiteral("Check1"),
                                QStringLiteral("Command1")};
    for (int i = 0; i < others.size(); ++i)
        order.emplace_back(FunctionKey(others[i]).place, -1 - i);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.top(), a.first.left()) < std::pair(b.first.top(), b.first.left());
    });
    for (const auto& [place, index] : order) {
        if (index >= 0) {
            m_keys.at(index) = makeKey(CharacterKeys().at(index));
            m_keys.at(index)->setProperty("Index", index);
            connect(m_keys.at(index), &QPushButton::clicked, this,
                    [this, index] { typeKey(index); });
            continue;
        }
        const KeyboardKey key = FunctionKey(others.at(-1 - index));
        QPushButton* button = makeKey(key);
        if (key.name == QStringLiteral("Command50"))
            m_close = button;
        else if (key.name == QStringLiteral("Command2"))
            m_tab = button;
        else if (key.name == QStringLiteral("chkCaps"))
            m_caps = button;
        else if (key.name == QStringLiteral("Command51"))
            m_enter = button;
        else if (key.name == QStringLiteral("Check2"))
            m_leftShift = button;
        else if (key.name == QStringLiteral("Check1"))
            m_rightShift = button;
        else
            m_numericEnter = button;
    }
    for (QPushButton* toggle : {m_rightShift, m_leftShift, m_caps})
        toggle->setCheckable(true);
    connect(m_rightShift, &QPushButton::clicked, this,
            [this] { setShift(m_rightShift->isChecked()); });
    connect(m_leftShift, &QPushButton::clicked, this,
            [this] { setShift(m_leftShift->isChecked()); });
    connect(m_caps, &QPushButton::clicked, this, [this] { setShift(m_caps->isChecked()); });
    for (QPushButton* enter : {m_enter, m_numericEnter})
        connect(enter, &QPushButton::clicked, this, [this] { type(QStringLiteral("\r\n")); });
    connect(m_tab, &QPushButton::clicked, this, [this] { type(QStringLiteral("\t")); });
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);

    const QSize size = KeyboardSize();
    setFixedSize(TwipsToPixels(size.width()) + 2 * Margin,
                 TwipsToPixels(size.height()) + 2 * Margin);
    KeepTitleWhole(*this);
}

QPushButton* Klavesnice::makeKey(const KeyboardKey& design) {
    auto* key = MakeNamed<QPushButton>(this, design.name, {.text = design.caption});
    // A key taking the focus would be pressed again by Space or Enter.
    key->setFocusPolicy(Qt::NoFocus);
    key->setAutoDefault(false);
    key->setGeometry(Margin + TwipsToPixels(design.place.left()),
                     Margin + TwipsToPixels(design.place.top()),
                     TwipsToPixels(design.place.width()), TwipsToPixels(design.place.height()));
    return key;
}

void Klavesnice::typeKey(int index) {
    type(KeyText(CharacterKeys().at(index).caption, m_rightShift->isChecked()));
    // Shift works for one character unless Caps holds it down.
    if (m_rightShift->isChecked() && !m_caps->isChecked())
        setShift(false);
}

void Klavesnice::type(const QString& text) {
    InsertAtCaret(MainSurface(), text);
}

void Klavesnice::setShift(bool down) {
    m_rightShift->setChecked(down);
    m_leftShift->setChecked(down);
}

void Klavesnice::keyPressEvent(QKeyEvent* event) {
    const std::optional<QString> text =
        TypedKeyText(event->key(), event->modifiers(), event->text());
    if (!text) {
        // Esc closes the window.
        QDialog::keyPressEvent(event);
        return;
    }
    type(KeyText(*text, m_rightShift->isChecked()));
    event->accept();
}

void Klavesnice::reject() {
    m_close->click();
}
