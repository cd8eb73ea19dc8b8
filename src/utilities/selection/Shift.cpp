#include "utilities/selection/Shift.h"

#include "core/text/editor_procedures.h"
#include "core/utilities/selection_reshaping.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* LockedBox(QWidget* parent, const QString& name) {
    auto* box = MakeNamed<QLineEdit>(parent, name);
    box->setReadOnly(true);
    return box;
}

void Show(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

} // namespace

Shift::Shift(QWidget* owner) : TextToolWindow(owner, u"Shift"_s, u"Shift textu"_s) {
    // The source of every rotation; the user sees its preview.
    m_source = LockedBox(this, u"Orig"_s);
    m_source->hide();
    m_preview = LockedBox(this, u"Text1"_s);
    m_preview->setMinimumWidth(280);
    m_amount = MakeNamed<QScrollBar>(this, u"HScroll1"_s);
    m_amount->setOrientation(Qt::Horizontal);
    m_amount->setRange(1, 1);
    m_amount->setPageStep(10);
    m_amount->setFocusPolicy(Qt::StrongFocus);
    m_amount->setMinimumWidth(200);
    m_amountShown = MakeNamed<QLabel>(this, u"Label2"_s, {.text = u"1"_s});
    m_amountShown->setMinimumWidth(m_amountShown->fontMetrics().horizontalAdvance(u"00000"_s));
    connect(m_amount, &QScrollBar::valueChanged, this, &Shift::rotate);
    m_ok = makeButton(u"Command1"_s, u"&Ok"_s, {}, [this] { writePreview(); });
    setDefaultButton(m_ok);
    m_storno = makeButton(u"Command2"_s, u"&Storno"_s, {}, [this] { reject(); });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(u"T e x t  :"_s, this), 0, 0);
    grid->addWidget(m_preview, 0, 1, 1, 2);
    grid->addWidget(new QLabel(u"Posun o :"_s, this), 1, 0);
    grid->addWidget(m_amount, 1, 1);
    grid->addWidget(m_amountShown, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({}, {m_ok, m_storno}));
    setSource(QString());
}

void Shift::setSource(const QString& selection) {
    m_sourceText = selection;
    m_previewText = selection;
    Show(m_source, selection);
    Show(m_preview, selection);
    const int length = static_cast<int>(selection.size());
    {
        // A value lowered to the new maximum does not rotate the new text yet.
        const QSignalBlocker quiet(m_amount);
        m_amount->setMaximum(std::max(length, m_amount->minimum()));
    }
    m_amountShown->setText(QString::number(m_amount->value()));
    m_amount->setEnabled(length > 0);
    m_ok->setEnabled(length > 0);
}

void Shift::rotate(int amount) {
    m_amountShown->setText(QString::number(amount));
    m_previewText = RotateLeft(m_sourceText, amount);
    Show(m_preview, m_previewText);
}

void Shift::writePreview() {
    TransformSelection(MainSurface(), [this](const QString&) { return m_previewText; });
    hide();
}
