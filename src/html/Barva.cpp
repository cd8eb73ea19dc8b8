#include "html/Barva.h"

#include "colour/PickColor.h"
#include "core/colour_text.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int ColourBoxSize = 24;

template <class T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

Barva::Barva(QWidget* owner)
    : HtmlDialog(owner),
      m_check1(named(new QCheckBox(QStringLiteral("Velikost"), this), QStringLiteral("Check1"))),
      m_vscroll4(named(new QScrollBar(Qt::Vertical, this), QStringLiteral("VScroll4"))),
      m_label4(named(new QLabel(this), QStringLiteral("Label4"))),
      m_check2(named(new QCheckBox(this), QStringLiteral("Check2"))),
      m_combo1(named(new QComboBox(this), QStringLiteral("Combo1"))),
      m_check3(named(new QCheckBox(this), QStringLiteral("Check3"))),
      m_command3(
          named(new QPushButton(QStringLiteral("&Vyber"), this), QStringLiteral("Command3"))),
      m_label1(named(new QLabel(this), QStringLiteral("Label1"))),
      m_label2(named(new QLabel(this), QStringLiteral("Label2"))) {
    setObjectName(QStringLiteral("Barva"));
    setWindowTitle(QStringLiteral("HTML font (barva)"));
    buildSize();
    buildFace();
    buildColour();

    auto* buttons = makeButtonRow();

    auto* layout = new QGridLayout(this);
    auto* label8 = named(new QLabel(QStringLiteral("Velikost"), this), QStringLiteral("Label8"));
    auto* label9 = named(new QLabel(QStringLiteral("Font :"), this), QStringLiteral("Label9"));
    auto* label3 = named(new QLabel(QStringLiteral("Barva :"), this), QStringLiteral("Label3"));
    layout->addWidget(m_check1, 0, 0, 1, 2);
    layout->addWidget(m_vscroll4, 0, 2);
    layout->addWidget(label8, 0, 3);
    layout->addWidget(m_label4, 0, 4);
    layout->addWidget(m_check2, 1, 0);
    layout->addWidget(label9, 1, 1);
    layout->addWidget(m_combo1, 1, 2, 1, 3);
    layout->addWidget(m_check3, 2, 0);
    layout->addWidget(label3, 2, 1);
    layout->addWidget(m_label1, 2, 2);
    layout->addWidget(m_label2, 2, 3);
    layout->addWidget(m_command3, 2, 4);
    layout->addLayout(buttons, 3, 0, 1, 5);
}

void Barva::buildSize() {
    m_vscroll4->setRange(1, 7);
    m_vscroll4->setValue(1);
    m_vscroll4->setFixedHeight(ColourBoxSize * 2);
    showValueIn(m_vscroll4, m_label4);
    enableWith(m_check1, {m_vscroll4});
}

void Barva::buildFace() {
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->addItems(BarvaFaces());
    // Nothing chosen yet: the box shows its own name, which is written as is.
    m_combo1->setCurrentIndex(-1);
    m_combo1->setEditText(QStringLiteral("Combo1"));
    enableWith(m_check2, {m_combo1});
}

void Barva::buildColour() {
    m_label1->setFixedSize(ColourBoxSize, ColourBoxSize);
    m_label1->setFrameShape(QFrame::Box);
    m_label1->setAutoFillBackground(true);
    showColour(m_color);
    enableWith(m_check3, {m_command3});
    connect(m_command3, &QPushButton::clicked, this, &Barva::pickColour);
}

void Barva::pickColour() {
    showColour(PickColor(m_color));
}

void Barva::showColour(ColorValue color) {
    m_color = color;
    QPalette palette = m_label1->palette();
    palette.setColor(QPalette::Window, QColor(RedOf(color), GreenOf(color), BlueOf(color)));
    m_label1->setPalette(palette);
    m_label2->setText(ColorToHex(color));
}

void Barva::confirm() {
    BarvaValues values;
    values.sizeChecked = m_check1->isChecked();
    values.size = m_vscroll4->value();
    values.faceChecked = m_check2->isChecked();
    values.face = m_combo1->currentText();
    values.colorChecked = m_check3->isChecked();
    values.color = m_color;
    writeToEditor(BarvaInsertion(values));
}
