#include "html/controls/HtmlDialog.h"

#include "html/controls/FilePickerGroup.h"

#include "core/text/editor_procedures.h"
#include "platform/default_button.h"
#include "platform/modal_turn.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/tab_order.h"
#include "platform/window_registry.h"
#include "platform/window_title.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <utility>

HtmlDialog::HtmlDialog(QWidget* owner) : QDialog(owner) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    KeepTitleWhole(*this);
}

void HtmlDialog::showModeless() {
    setModal(false);
    show();
    raise();
    activateWindow();
}

void HtmlDialog::showForResult() {
    if (isVisible())
        hide();
    ExecForOpener(*this);
}

void HtmlDialog::openForResult(const QString& tag, const QList<QWidget*>& disabledControls,
                               ResultReceiver receiver) {
    const QPointer<HtmlDialog> self(this);
    SetWindowTag(this, tag);
    m_receiver = std::move(receiver);
    for (QWidget* control : disabledControls)
        control->setEnabled(false);
    showForResult();
    for (QWidget* control : disabledControls)
        control->setEnabled(true);
    // A close from the title bar may already have discarded the window.
    if (!self.isNull()) {
        SetWindowTag(this, QString());
        m_receiver = nullptr;
    }
}

HtmlDialog::ResultReceiver HtmlDialog::intoBox(QLineEdit* box) {
    return [target = QPointer<QLineEdit>(box)](const QString& text) {
        if (!target.isNull())
            target->setText(text);
    };
}

void HtmlDialog::deliverToOpener(const QString& text) const {
    if (m_receiver)
        m_receiver(text);
}

QPushButton* HtmlDialog::makeOkButton(const QString& caption) {
    auto* button = MakeNamed<QPushButton>(this, QStringLiteral("Command1"), {.text = caption});
    button->setDefault(true);
    m_okButton = button;
    connect(button, &QPushButton::clicked, this, [this] {
        confirm();
        accept();
    });
    return button;
}

QPushButton* HtmlDialog::makeStornoButton() {
    auto* button = MakeNamed<QPushButton>(this, QStringLiteral("Command2"),
                                          {.text = QStringLiteral("&Storno")});
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
}

QHBoxLayout* HtmlDialog::makeButtonRow(const QString& okCaption) {
    QPushButton* ok = makeOkButton(okCaption);
    return buttonRow({ok, makeStornoButton()});
}

QHBoxLayout* HtmlDialog::makeButtonRowAfterOwnButtons() {
    QPushButton* ok = makeOkButton();
    ok->setObjectName(QStringLiteral("Command3"));
    QPushButton* storno = makeStornoButton();
    storno->setObjectName(QStringLiteral("Command4"));
    return buttonRow({ok, storno});
}

QHBoxLayout* HtmlDialog::makeButtonRowAwaitingFile(FilePickerGroup& picker) {
    QPushButton* ok = makeOkButton();
    ok->setEnabled(false);
    connect(&picker, &FilePickerGroup::fileChosen, ok, [ok] { ok->setEnabled(true); });
    return buttonRow({ok, makeStornoButton()});
}

QHBoxLayout* HtmlDialog::buttonRow(const QList<QWidget*>& buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

void HtmlDialog::withoutDefaultButton() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setDefault(false);
        button->setAutoDefault(false);
    }
    m_okButton = nullptr;
}

void HtmlDialog::writeToEditor(const HtmlInsertion& insertion) {
    if (insertion.mode == HtmlInsertMode::WrapSelection)
        WrapSelection(MainSurface(), insertion.text, insertion.close);
    else
        InsertAtCaret(MainSurface(), insertion.text);
}

void HtmlDialog::writeOverSelection(const QString& text) {
    TransformSelection(MainSurface(), [&text](const QString&) { return text; });
}

void HtmlDialog::enableWith(QCheckBox* box, const QList<QWidget*>& controls) {
    const auto apply = [controls](bool on) {
        for (QWidget* control : controls)
            control->setEnabled(on);
    };
    apply(box->isChecked());
    connect(box, &QCheckBox::toggled, box, apply);
}

void HtmlDialog::showValueIn(QScrollBar* bar, QLabel* label, std::function<QString()> suffix) {
    const auto show = [bar, label, suffix] {
        label->setText(QString::number(bar->value()) + (suffix ? suffix() : QString()));
    };
    show();
    connect(bar, &QScrollBar::valueChanged, label, show);
}

void HtmlDialog::showValueInUnit(QScrollBar* bar, QLabel* label, QCheckBox* percentBox,
                                 UnitMaxima maxima) {
    showValueIn(bar, label,
                [percentBox] { return percentBox->isChecked() ? QStringLiteral("%") : QString(); });
    connect(percentBox, &QCheckBox::toggled, bar,
            [=](bool inPercent) { applyUnit(bar, label, inPercent, maxima); });
}

void HtmlDialog::applyUnit(QScrollBar* bar, QLabel* label, bool inPercent, UnitMaxima maxima) {
    bar->setMaximum(maxima.of(inPercent));
    label->setText(UnitValueLabel(bar->value(), inPercent));
}

void HtmlDialog::showEvent(QShowEvent* event) {
    SetReadingTabOrder(*this);
    PassEnterAndEscFromCombos(*this);
    QDialog::showEvent(event);
    if (m_okButton != nullptr)
        FocusDefaultButtonOnShow(*this, *m_okButton);
}

void HtmlDialog::closeEvent(QCloseEvent* event) {
    QDialog::closeEvent(event);
    if (event->isAccepted())
        Platform().windows->discard(this);
}
