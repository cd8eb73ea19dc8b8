#include "utilities/keyboard/Klavesnice.h"

#include "core/text/editor_procedures.h"
#include "core/utilities/keyboard_layout.h"
#include "core/utilities/typed_keys.h"
#include "platform/named_control.h"
#include "platform/window_title.h"
#include "shell/shared_procedures.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr int Margin = 8;

} // namespace

Klavesnice::Klavesnice(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Klavesnice"));
    setWindowTitle(QStringLiteral("Klávesnice"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (int index = 0; index < KeyboardCharacterKeys; ++index) {
        m_keys.at(index) = makeKey(CharacterKeys().at(index));
        // The elements of the array share its name and differ by Index.
        m_keys.at(index)->setProperty("Index", index);
        connect(m_keys.at(index), &QPushButton::clicked, this, [this, index] { typeKey(index); });
    }
    const auto functionKey = [this](const char16_t* name) {
        return makeKey(FunctionKey(QString::fromUtf16(name)));
    };
    m_close = functionKey(u"Command50");
    m_tab = functionKey(u"Command2");
    m_caps = functionKey(u"chkCaps");
    m_enter = functionKey(u"Command51");
    m_leftShift = functionKey(u"Check2");
    m_rightShift = functionKey(u"Check1");
    m_numericEnter = functionKey(u"Command1");
    // Caps and either Shift take both Shifts down or up with them.
    for (QPushButton* toggle : {m_rightShift, m_leftShift, m_caps}) {
        toggle->setCheckable(true);
        connect(toggle, &QPushButton::clicked, this, [this](bool down) { setShift(down); });
    }
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
