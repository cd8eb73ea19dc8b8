#include "utilities/ciphers/Confeld.h"

#include "core/utilities/letter_ciphers.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Confeld::Confeld(QWidget* owner) : CipherWindow(owner, u"Confeld"_s, u"Cronfeldův systém"_s) {
    auto* layout = new QVBoxLayout(this);

    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(MakeNamed<QLabel>(this, u"Label1"_s, {.text = u"Heslo :"_s}));
    m_key = makeKeyBox(u"Text1"_s, u"0"_s);
    keyRow->addWidget(m_key, 1);
    QPushButton* random = makeButton(u"Command4"_s, u"rnd"_s);
    keyRow->addWidget(random);
    layout->addLayout(keyRow);

    Preview preview;
    layout->addLayout(
        makePreview(preview, u"Check1"_s, u"Rychlotext               ----->"_s, u"Text3"_s));
    m_fast = preview.fast;
    m_input = preview.input;
    m_output = preview.output;

    QPushButton* encrypt = makeButton(u"Command1"_s, u"Zašifruj"_s);
    QPushButton* decrypt = makeButton(u"Command2"_s, u"Odšifruj"_s);
    layout->addLayout(makeButtonRow(encrypt, decrypt, u"Zavři"_s));

    connect(random, &QPushButton::clicked, this, [this] { m_key->setText(RandomDigitKey()); });
    connect(encrypt, &QPushButton::clicked, this,
            [this] { apply(CronfeldEncrypt, u"Aplikuji Cronfeldovu šifru ..."_s); });
    connect(decrypt, &QPushButton::clicked, this,
            [this] { apply(CronfeldDecrypt, u"Dešifruji Cronfeldovým systémem ..."_s); });
}

void Confeld::apply(Cipher cipher, const QString& busyMessage) {
    const QString key = m_key->text();
    if (m_fast->isChecked()) {
        BusyScope busy(this, busyMessage);
        m_output->setPlainText(cipher(m_input->toPlainText(), key));
        return;
    }
    replaceDocument(busyMessage, [&](const QString& text) { return cipher(text, key); });
}
