#include "html/simple/Barva.h"

#include "html/controls/value_bar.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

Barva::Barva(QWidget* owner)
    : HtmlDialog(owner),
      m_check1(Named(new QCheckBox(QStringLiteral("Velikost"), this), QStringLiteral("Check1"))),
      m_vscroll4(MakeValueBar(this, QStringLiteral("VScroll4"), Qt::Vertical, {1, 7, 1})),
      m_label4(Named(new QLabel(this), QStringLiteral("Label4"))),
      m_check2(Named(new QCheckBox(this), QStringLiteral("Check2"))),
      m_combo1(Named(new QComboBox(this), QStringLiteral("Combo1"))),
      m_check3(Named(new QCheckBox(this), QStringLiteral("Check3"))),
      m_command3(
          Named(new QPushButton(QStringLiteral("&Vyber"), this), QStringLiteral("Command3"))),
      m_colour(new ColourSwatch(this, QStringLiteral("Label1"), QStringLiteral("Label2"), 0)) {
    setObjectName(QStringLiteral("Barva"));
    setWindowTitle(QStringLiteral("HTML font (barva)"));
    buildSize();
    buildFace();
    buildColour();

    auto* buttons = makeButtonRow();

    auto* layout = new QGridLayout(this);
    auto* label8 = Named(new QLabel(QStringLiteral("Velikost"), this), QStringLiteral("Label8"));
    auto* label9 = Named(new QLabel(QStringLiteral("Font :"), this), QStringLiteral("Label9"));
    auto* label3 = Named(new QLabel(QStringLiteral("Barva :"), this), QStringLiteral("Label3"));
    layout->addWidget(m_check1, 0, 0, 1, 2);
    layout->addWidget(m_vscroll4, 0, 2);
    layout->addWidget(label8, 0, 3);
    layout->addWidget(m_label4, 0, 4);
    layout->addWidget(m_check2, 1, 0);
    layout->addWidget(label9, 1, 1);
    layout->addWidget(m_combo1, 1, 2, 1, 3);
    layout->addWidget(m_check3, 2, 0);
    layout->addWidget(label3, 2, 1);
    layout->addWidget(m_colour->box(), 2, 2);
    layout->addWidget(m_colour->label(), 2, 3);
    layout->addWidget(m_command3, 2, 4);
    layout->addLayout(buttons, 3, 0, 1, 5);
}

void Barva::buildSize() {
    showValueIn(m_vscroll4, m_label4);
    enableWith(m_check1, {m_vscroll4});
}

void Barva::buildFace() {
    MakeEditable(m_combo1);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->addItems(BarvaFaces());
    // Nothing chosen yet: the box shows its own name, which is written as is.
    m_combo1->setCurrentIndex(-1);
    m_combo1->setEditText(QStringLiteral("Combo1"));
    enableWith(m_check2, {m_combo1});
}

void Barva::buildColour() {
    enableWith(m_check3, {m_command3});
    connect(m_command3, &QPushButton::clicked, m_colour, &ColourSwatch::pick);
}

void Barva::confirm() {
    BarvaValues values;
    values.sizeChecked = m_check1->isChecked();
    values.size = m_vscroll4->value();
    values.faceChecked = m_check2->isChecked();
    values.face = m_combo1->currentText();
    values.colorChecked = m_check3->isChecked();
    values.color = m_colour->color();
    writeToEditor(BarvaInsertion(values));
}
