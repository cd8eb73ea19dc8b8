#include "utilities/ciphers/ShiftKod.h"

#include "core/text/random_text.h"
#include "core/utilities/letter_ciphers.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int AlphabetSize = 26;
const QString Alphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;

} // namespace

ShiftKod::ShiftKod(QWidget* owner) : CipherWindow(owner, u"ShiftKod"_s, u"Posunová šifra"_s) {
    auto* layout = new QVBoxLayout(this);

    QHBoxLayout* shiftRow = makeShiftRow(m_shift, AlphabetSize, u"000"_s);
    QPushButton* random = makeButton(u"Command4"_s, u"rnd"_s);
    shiftRow->addWidget(random);
    layout->addLayout(shiftRow);

    m_plainAlphabet = MakeNamed<QLabel>(this, u"Label1"_s, {.text = Alphabet});
    m_shiftedAlphabet = MakeNamed<QLabel>(this, u"Label2"_s, {.text = Alphabet});
    for (QLabel* alphabet : {m_plainAlphabet, m_shiftedAlphabet}) {
        alphabet->setFont(fixedPitchFont());
        layout->addWidget(alphabet);
    }

    Preview preview;
    layout->addLayout(makePreview(preview, u"Check1"_s, u"Rychlotext       ----->"_s, u"Text1"_s));
    m_fast = preview.fast;
    m_input = preview.input;
    m_output = preview.output;

    QPushButton* encode = makeButton(u"Command1"_s, u"Z&akóduj"_s);
    QPushButton* decode = makeButton(u"Command2"_s, u"&Odkóduj"_s);
    layout->addLayout(makeButtonRow(encode, decode, u"&Zavři"_s));
    setDefaultButton(encode);

    connect(m_shift, &QScrollBar::valueChanged, this, [this](int places) {
        m_shiftedAlphabet->setText(shifted(m_plainAlphabet->text(), places));
        if (m_fast->isChecked())
            refreshPreview();
    });
    connect(m_input, &QPlainTextEdit::textChanged, this, &ShiftKod::refreshPreview);
    connect(m_fast, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked)
            refreshPreview();
    });
    connect(random, &QPushButton::clicked, this,
            [this] { m_shift->setValue(RandomInt(0, AlphabetSize)); });
    connect(encode, &QPushButton::clicked, this, [this] { apply(m_shift->value()); });
    connect(decode, &QPushButton::clicked, this,
            [this] { apply(AlphabetSize - m_shift->value()); });
}

QString ShiftKod::shifted(const QString& text, int places) {
    BusyScope busy(this, u"Aplikuji Shiftovou šifru ..."_s);
    return ShiftCipher(text, places);
}

void ShiftKod::refreshPreview() {
    m_output->setPlainText(shifted(m_input->toPlainText(), m_shift->value()));
}

void ShiftKod::apply(int places) {
    if (m_fast->isChecked()) {
        m_output->setPlainText(shifted(m_input->toPlainText(), places));
        return;
    }
    replaceDocument({}, [&](const QString& text) { return shifted(text, places); });
}
