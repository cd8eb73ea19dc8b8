#include "utilities/ciphers/ShiftByte.h"

#include "core/utilities/code_ciphers.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int CodeBits = 8;

} // namespace

ShiftByte::ShiftByte(QWidget* owner) : CipherWindow(owner, u"ShiftByte"_s, u"Bitový posun"_s) {
    auto* layout = new QVBoxLayout(this);

    layout->addLayout(makeShiftRow(m_shift, CodeBits, u"00"_s));

    Preview preview;
    layout->addLayout(makePreview(preview, u"ChkFast"_s, u"Rychlotext       ----->"_s, u"Text1"_s));
    m_fast = preview.fast;
    m_input = preview.input;
    m_output = preview.output;

    QPushButton* encode = makeButton(u"Command1"_s, u"Z&akóduj"_s);
    QPushButton* decode = makeButton(u"Command2"_s, u"&Odkóduj"_s);
    layout->addLayout(makeButtonRow(encode, decode, u"&Zavři"_s));
    setDefaultButton(encode);

    connect(m_shift, &QScrollBar::valueChanged, this, &ShiftByte::refreshPreview);
    connect(m_fast, &QCheckBox::clicked, this, &ShiftByte::refreshPreview);
    connect(m_input, &QPlainTextEdit::textChanged, this, &ShiftByte::refreshPreview);
    connect(encode, &QPushButton::clicked, this, [this] {
        replaceDocument({}, [bits = m_shift->value()](const QString& text) {
            return RotateCharBits(text, bits);
        });
    });
    connect(decode, &QPushButton::clicked, this, [this] {
        replaceDocument({}, [bits = CodeBits - m_shift->value()](const QString& text) {
            return RotateCharBits(text, bits);
        });
    });
}

void ShiftByte::refreshPreview() {
    if (m_fast->isChecked())
        m_output->setPlainText(RotateCharBits(m_input->toPlainText(), m_shift->value()));
}
