#include "utilities/ciphers/CHT.h"

#include "core/utilities/code_ciphers.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CHT::CHT(QWidget* owner)
    : CipherWindow(owner, u"CHT"_s, u"C.H.T: (common hacker transcription)"_s) {
    auto* layout = new QVBoxLayout(this);
    QPlainTextEdit* overview = makeTextBox(u"Text1"_s, true);
    overview->setFont(fixedPitchFont());
    overview->setPlainText(LookAlikeOverview());
    overview->setLineWrapMode(QPlainTextEdit::NoWrap);
    overview->setMinimumSize(overview->fontMetrics().horizontalAdvance(QString(30, u'M')),
                             overview->fontMetrics().lineSpacing() * 7);
    layout->addWidget(overview);

    QPushButton* transcribe = makeButton(u"Command1"_s, u"&Přepsat"_s);
    layout->addLayout(buttonRow({transcribe}, {makeCancelButton(u"Command2"_s, u"&Storno"_s)}));

    connect(transcribe, &QPushButton::clicked, this, [this] {
        replaceDocument({}, [](const QString& text) { return LookAlikeTranscription(text); });
    });
}
