#include "utilities/ciphers/ZaKod.h"

#include "core/utilities/code_ciphers.h"
#include "platform/named_control.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ZaKod::ZaKod(QWidget* owner) : CipherWindow(owner, u"ZaKod"_s, u"Kódovat"_s) {
    auto* layout = new QVBoxLayout(this);
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(MakeNamed<QLabel>(this, u"Label2"_s, {.text = u"Kód :"_s}));
    m_key = makeKeyBox(u"Text1"_s, QString());
    m_key->setFont(fixedPitchFont());
    keyRow->addWidget(m_key, 1);
    layout->addLayout(keyRow);

    QPushButton* apply = makeButton(u"Command1"_s, u"&Aplikuj"_s);
    layout->addLayout(buttonRow({apply}, {makeCancelButton(u"Command2"_s, u"&Zavři"_s)}));
    setDefaultButton(apply);

    connect(apply, &QPushButton::clicked, this, [this] {
        // The box holds a normalised whole number of at most 15 characters,
        // which a double keeps exactly; empty counts as 0.
        const double key = m_key->text().toDouble();
        replaceDocument(u"Aplikuji RND šifru ..."_s,
                        [key](const QString& text) { return KeyedStream(text, key); });
    });
}
