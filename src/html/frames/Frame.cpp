#include "html/frames/Frame.h"

#include "html/controls/ColourSwatch.h"
#include "html/controls/FilePickerGroup.h"
#include "html/controls/MarginFrame.h"
#include "html/controls/value_bar.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A list that offers only its entries, with none of them chosen at first.
QComboBox* choiceList(QWidget* parent, const QString& name, const QStringList& entries) {
    auto* combo = Named(new QComboBox(parent), name);
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    return combo;
}

} // namespace

Frame::Frame(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Frame"_s);
    setWindowTitle(u"HTML Frame"_s);

    // Built top to bottom, so the tab order follows the layout.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPage());
    layout->addLayout(buildAttributes());
    layout->addWidget(buildMargins());
    m_check2 = Named(new QCheckBox(u"Noresize"_s, this), u"Check2"_s);
    layout->addWidget(m_check2);

    layout->addLayout(makeButtonRowAwaitingFile(*m_picker));
}

QWidget* Frame::buildPage() {
    auto* frame1 = Named(new QGroupBox(u" Umístění stránky "_s, this), u"Frame1"_s);
    m_picker = new FilePickerGroup(FilePickerGroup::generalFilter(), frame1);
    (new QVBoxLayout(frame1))->addWidget(m_picker);
    return frame1;
}

QLayout* Frame::buildAttributes() {
    auto* grid = new QGridLayout;

    m_check4 = Named(new QCheckBox(u"Name ="_s, this), u"Check4"_s);
    m_text1 = MakeNamed<QLineEdit>(this, u"Text1"_s, {.text = u"Rám"_s});
    enableWith(m_check4, {m_text1});
    grid->addWidget(m_check4, 0, 0);
    grid->addWidget(m_text1, 0, 1, 1, 4);

    m_check6 = Named(new QCheckBox(u"Zarovnání uvnitř"_s, this), u"Check6"_s);
    m_combo3 = choiceList(this, u"Combo3"_s, {u"LEFT"_s, u"CENTER"_s, u"RIGHT"_s});
    enableWith(m_check6, {m_combo3});
    grid->addWidget(m_check6, 1, 0);
    grid->addWidget(m_combo3, 1, 1, 1, 4);

    m_check7 = Named(new QCheckBox(u"Velikost okraje"_s, this), u"Check7"_s);
    m_label13 = Named(new QLabel(this), u"Label13"_s);
    addBarRow(grid, 2, m_check7, u"VScroll1"_s, m_label13);

    m_check9 = Named(new QCheckBox(this), u"Check9"_s);
    auto* caption = Named(new QLabel(u"Barva okraje"_s, this), u"Label3"_s);
    // The captions form one array of labels told apart by Index.
    caption->setProperty("Index", 3);
    auto* command4 = Named(new QPushButton(u"&Vyber"_s, this), u"Command4"_s);
    m_borderColour = new ColourSwatch(this, u"Picture3"_s, u"Label8"_s, RgbColor(0, 0, 0));
    QFont courier(u"Courier New"_s);
    courier.setStyleHint(QFont::TypeWriter);
    m_borderColour->label()->setFont(courier);
    enableWith(m_check9, {command4});
    connect(command4, &QPushButton::clicked, m_borderColour, &ColourSwatch::pick);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(m_check9);
    colourRow->addWidget(caption);
    colourRow->addStretch();
    grid->addLayout(colourRow, 3, 0);
    grid->addWidget(m_borderColour->box(), 3, 1);
    grid->addWidget(m_borderColour->label(), 3, 2);
    grid->addWidget(command4, 3, 3);

    m_check8 = Named(new QCheckBox(u"Vzdálenost rámů :"_s, this), u"Check8"_s);
    m_label4 = Named(new QLabel(this), u"Label4"_s);
    addBarRow(grid, 4, m_check8, u"VScroll2"_s, m_label4);

    m_check1 = Named(new QCheckBox(u"Scrolling"_s, this), u"Check1"_s);
    m_combo2 = choiceList(this, u"Combo2"_s, {u"yes"_s, u"no"_s, u"auto"_s, u"0"_s, u"1"_s});
    // Usable before the box is first clicked; from then on it follows the box.
    connect(m_check1, &QCheckBox::toggled, m_combo2, &QWidget::setEnabled);
    grid->addWidget(m_check1, 5, 0);
    grid->addWidget(m_combo2, 5, 1, 1, 4);

    grid->setColumnStretch(4, 1);
    return grid;
}

void Frame::addBarRow(QGridLayout* grid, int row, QCheckBox* box, const QString& barName,
                      QLabel* label) {
    QScrollBar* bar = MakeValueTrack(this, barName, {1, 100, 1, 10});
    showValueIn(bar, label);
    // Until the bar is first moved the label shows 0, below the bar's range.
    label->setText(u"0"_s);
    enableWith(box, {bar});
    grid->addWidget(box, row, 0);
    grid->addLayout(TrackRow(bar, label), row, 1, 1, 4);
}

QWidget* Frame::buildMargins() {
    auto* frame5 = new MarginFrame(this, u"Odsazení obsahu"_s);
    frame5->setObjectName(u"Frame5"_s);
    m_check3 = frame5->check();
    m_label11 = frame5->horizontalLabel();
    m_label12 = frame5->verticalLabel();
    return frame5;
}

FrameTagValues Frame::values() const {
    FrameTagValues v;
    v.address = m_picker->address();
    v.nameChecked = m_check4->isChecked();
    v.name = m_text1->text();
    v.alignChecked = m_check6->isChecked();
    v.align = m_combo3->currentText();
    v.borderChecked = m_check7->isChecked();
    v.borderLabel = m_label13->text();
    v.borderColorChecked = m_check9->isChecked();
    v.borderColor = m_borderColour->text();
    v.spacingChecked = m_check8->isChecked();
    v.spacingLabel = m_label4->text();
    v.scrollingChecked = m_check1->isChecked();
    v.scrolling = m_combo2->currentText();
    v.marginChecked = m_check3->isChecked();
    v.marginWidthLabel = m_label11->text();
    v.marginHeightLabel = m_label12->text();
    v.noResize = m_check2->isChecked();
    return v;
}

void Frame::confirm() {
    writeToEditor({HtmlInsertMode::InsertAtCaret, FrameTag(values()), QString()});
}
