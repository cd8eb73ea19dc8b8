#include "utilities/ciphers/cipher_window.h"

#include "core/text/editor_procedures.h"
#include "core/utilities/letter_ciphers.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <optional>

QPushButton* CipherWindow::makeCancelButton(const QString& name, const QString& caption) {
    QPushButton* button = makeButton(name, caption);
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
}

QScrollBar* CipherWindow::makeValueBar(const QString& name, int minimum, int maximum,
                                       QLabel* valueLabel) {
    auto* bar = Named(new QScrollBar(Qt::Horizontal, this), name);
    bar->setRange(minimum, maximum);
    bar->setPageStep(1);
    bar->setMinimumWidth(160);
    valueLabel->setText(QString::number(minimum));
    connect(bar, &QScrollBar::valueChanged, valueLabel,
            [valueLabel](int value) { valueLabel->setText(QString::number(value)); });
    return bar;
}

QHBoxLayout* CipherWindow::makeShiftRow(QScrollBar*& bar, int maximum, const QString& widestValue) {
    auto* row = new QHBoxLayout;
    row->addWidget(
        MakeNamed<QLabel>(this, QStringLiteral("Label3"), {.text = QStringLiteral("Posun :")}));
    auto* shown = MakeNamed<QLabel>(this, QStringLiteral("Label4"));
    bar = makeValueBar(QStringLiteral("HScroll1"), 0, maximum, shown);
    row->addWidget(bar, 1);
    shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(widestValue));
    row->addWidget(shown);
    return row;
}

QLineEdit* CipherWindow::makeKeyBox(const QString& name, const QString& text) {
    auto* box = MakeNamed<QLineEdit>(this, name, {.text = text});
    box->setMaxLength(15);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(17, u'0')));
    connect(box, &QLineEdit::textChanged, box, [box] {
        const QString key = NormalisedKeyText(box->text());
        if (key != box->text())
            box->setText(key);
    });
    return box;
}

QLayout* CipherWindow::makePreview(Preview& preview, const QString& fastName,
                                   const QString& fastCaption, const QString& inputName) {
    preview.fast = MakeNamed<QCheckBox>(this, fastName, {.text = fastCaption});
    preview.input = makeTextBox(inputName, false);
    preview.output = makeTextBox(QStringLiteral("Text2"), true);
    auto* layout = new QGridLayout;
    layout->addWidget(preview.fast, 0, 0, 1, 2);
    layout->addWidget(preview.input, 1, 0);
    layout->addWidget(preview.output, 1, 1);
    return layout;
}

QHBoxLayout* CipherWindow::makeButtonRow(QPushButton* forward, QPushButton* back,
                                         const QString& cancelCaption) {
    return buttonRow({forward, back},
                     {makeCancelButton(QStringLiteral("Command3"), cancelCaption)});
}

void CipherWindow::replaceDocument(const QString& busyMessage,
                                   const std::function<QString(const QString&)>& transform) {
    std::optional<BusyScope> busy;
    if (!busyMessage.isEmpty())
        busy.emplace(this, busyMessage);
    ReplaceAllText(MainSurface(), transform);
}
