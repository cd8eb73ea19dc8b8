#include "html/page/Vytvor.h"

#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "html/controls/FilePickerGroup.h"
#include "html/controls/value_bar.h"
#include "html/page/html_page_head.h"
#include "platform/colour_palette.h"
#include "platform/named_control.h"
#include "shell/ProgramState.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr ColorValue White = RgbColor(255, 255, 255);
constexpr ColorValue Black = RgbColor(0, 0, 0);

QLabel* previewLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* label = Named(new QLabel(caption, parent), name);
    label->setFont(QFont(u"MS Sans Serif"_s));
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

Vytvor::Vytvor(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Vytvor"_s);
    setWindowTitle(u"HTML  - Vytvoření"_s);

    m_tabStrip = Named(new QTabWidget(this), u"TabStrip1"_s);
    m_tabStrip->addTab(buildMainTab(), u"Hlavní"_s);
    m_tabStrip->setTabToolTip(0, u"Nastavení stránky"_s);
    m_tabStrip->addTab(buildColourTab(), u"Barvy"_s);
    m_tabStrip->setTabToolTip(1, u"Nastavení barev stránky"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabStrip);
    layout->addLayout(makeButtonRow());
}

// --- tab "Hlavní" -------------------------------------------------------------

QWidget* Vytvor::buildMainTab() {
    auto* tab = Named(new QWidget, u"Hlavni"_s);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(buildHeadLines(tab));
    layout->addLayout(buildBackground(tab));
    layout->addLayout(buildMargins(tab));
    layout->addStretch();
    return tab;
}

QLayout* Vytvor::buildHeadLines(QWidget* tab) {
    auto* label8 = Named(new QLabel(u"Nadpis stránky :"_s, tab), u"Label8"_s);
    m_text2 = MakeNamed<QLineEdit>(tab, u"Text2"_s, {.text = u"Stránka "_s});
    m_check3 = Named(new QCheckBox(u"Url Base"_s, tab), u"Check3"_s);
    m_text3 = MakeNamed<QLineEdit>(tab, u"Text3"_s);
    m_check8 = Named(new QCheckBox(u"BaseFont"_s, tab), u"Check8"_s);
    m_hscroll1 = MakeValueBar(tab, u"HScroll1"_s, Qt::Horizontal, {1, 7, 1, 1});
    auto* label14 = Named(new QLabel(tab), u"Label14"_s);
    showValueIn(m_hscroll1, label14);
    enableWith(m_check3, {m_text3});
    enableWith(m_check8, {m_hscroll1});

    auto* grid = new QGridLayout;
    grid->addWidget(label8, 0, 0);
    grid->addWidget(m_text2, 0, 1, 1, 2);
    grid->addWidget(m_check3, 1, 0);
    grid->addWidget(m_text3, 1, 1, 1, 2);
    grid->addWidget(m_check8, 2, 0);
    grid->addWidget(m_hscroll1, 2, 1);
    grid->addWidget(label14, 2, 2);
    return grid;
}

QLayout* Vytvor::buildBackground(QWidget* tab) {
    m_isPicture = Named(new QCheckBox(u"Obrázek &pozadí"_s, tab), u"IsPicture"_s);
    m_picker = new FilePickerGroup(FilePickerGroup::pictureFilter(), tab);
    m_chkBGProp = Named(new QCheckBox(u"Obrázek fixovaný na pozadí"_s, tab), u"ChkBGProp"_s);
    m_chkBGProp->setEnabled(false);
    // The picker starts usable although its box is clear; only the box's own
    // clicks switch it, together with the fixed-background box.
    connect(m_isPicture, &QCheckBox::toggled, m_picker, &QWidget::setEnabled);
    connect(m_isPicture, &QCheckBox::toggled, m_chkBGProp, &QWidget::setEnabled);

    auto* layout = new QVBoxLayout;
    layout->addWidget(m_isPicture);
    layout->addWidget(m_picker);
    layout->addWidget(m_chkBGProp);
    return layout;
}

QLayout* Vytvor::buildMargins(QWidget* tab) {
    m_chkMargin = Named(new QCheckBox(u"Odsazení"_s, tab), u"ChkMargin"_s);
    auto* label9 = Named(new QLabel(u"Horizontálně"_s, tab), u"Label9"_s);
    m_lblMarginH = Named(new QLabel(tab), u"LblMarginH"_s);
    auto* hsMarginH = MakeValueBar(tab, u"HsMarginH"_s, Qt::Horizontal, {1, 100, 1, 10});
    auto* label10 = Named(new QLabel(u"Vertikálně"_s, tab), u"Label10"_s);
    m_lblMarginV = Named(new QLabel(tab), u"LblMarginV"_s);
    auto* vsMarginV = MakeValueBar(tab, u"VsMarginV"_s, Qt::Vertical, {1, 100, 1, 10});
    showValueIn(hsMarginH, m_lblMarginH);
    showValueIn(vsMarginV, m_lblMarginV);
    // Usable before the first click, like the picker.
    for (QScrollBar* bar : {hsMarginH, vsMarginV})
        connect(m_chkMargin, &QCheckBox::toggled, bar, &QWidget::setEnabled);

    auto* grid = new QGridLayout;
    grid->addWidget(m_chkMargin, 0, 0, 1, 3);
    grid->addWidget(label9, 1, 0);
    grid->addWidget(m_lblMarginH, 1, 1);
    grid->addWidget(hsMarginH, 1, 2);
    grid->addWidget(label10, 2, 0);
    grid->addWidget(m_lblMarginV, 2, 1);
    grid->addWidget(vsMarginV, 2, 2, 2, 1);
    return grid;
}

// --- tab "Barvy" --------------------------------------------------------------

QWidget* Vytvor::buildColourTab() {
    auto* tab = Named(new QWidget, u"Barvy"_s);
    auto* grid = new QGridLayout;
    // The background row's label reads black beside its white box at first.
    m_background =
        addColourRow(tab, grid, 0, {u"Check1"_s, u"Label1"_s, u"Label2"_s, u"Command4"_s}, 0,
                     u"Barva pozadí :"_s, White);
    m_text = addColourRow(tab, grid, 1, {u"Check2"_s, u"Picture1"_s, u"Label4"_s, u"Command7"_s}, 1,
                          u"Barva textu :"_s, Black);
    m_link = addColourRow(tab, grid, 2, {u"Check7"_s, u"Picture4"_s, u"Label13"_s, u"Command6"_s},
                          4, u"Barva linku :"_s, Black);
    m_visited =
        addColourRow(tab, grid, 3, {u"Check5"_s, u"Picture2"_s, u"Label12"_s, u"Command5"_s}, 2,
                     u"Visited link :"_s, Black);
    m_active = addColourRow(tab, grid, 4, {u"Check6"_s, u"Picture3"_s, u"Label11"_s, u"Command8"_s},
                            3, u"Active link :"_s, Black);

    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(grid);
    layout->addLayout(buildPreview(tab));
    followColours();
    return tab;
}

Vytvor::ColourRow Vytvor::addColourRow(QWidget* tab, QGridLayout* grid, int row,
                                       const QStringList& names, int captionIndex,
                                       const QString& caption, ColorValue initial) {
    ColourRow colour;
    colour.check = Named(new QCheckBox(tab), names[0]);
    auto* label = Named(new QLabel(caption, tab), u"Label3"_s);
    // The captions form one array of labels told apart by Index.
    label->setProperty("Index", captionIndex);
    colour.swatch = new ColourSwatch(tab, names[1], names[2], initial, u"#000000"_s);
    QFont courier(u"Courier New"_s);
    courier.setStyleHint(QFont::TypeWriter);
    colour.swatch->label()->setFont(courier);
    colour.button = Named(new QPushButton(u"Vyber"_s, tab), names[3]);
    enableWith(colour.check, {colour.button});
    connect(colour.button, &QPushButton::clicked, colour.swatch, &ColourSwatch::pick);
    connect(colour.swatch, &ColourSwatch::colorChanged, this, &Vytvor::followColours);

    grid->addWidget(colour.check, row, 0);
    grid->addWidget(label, row, 1);
    grid->addWidget(colour.swatch->box(), row, 2);
    grid->addWidget(colour.swatch->label(), row, 3);
    grid->addWidget(colour.button, row, 4);
    return colour;
}

QLayout* Vytvor::buildPreview(QWidget* tab) {
    m_preview = Named(new QPlainTextEdit(tab), u"Text1"_s);
    m_preview->setToolTip(u"Náhled na barvy"_s);
    m_preview->setPlainText(u"aábcčdďeéěfghchiíjklmnoóprřsštťuúůvwxyýzž\r\n"
                            u"AÁBCČDĎEÉĚFGHCHIÍJKLMNOÓPQRŘSŠTŤUÚVWXYÝZŽ\r\n"_s);
    m_linkLabel = previewLabel(tab, u"Label5"_s, u"Link"_s);
    m_activeLabel = previewLabel(tab, u"Label6"_s, u"Aktivni Link"_s);
    m_visitedLabel = previewLabel(tab, u"Label7"_s, u"Navštívený Link"_s);

    auto* labels = new QVBoxLayout;
    labels->addWidget(m_linkLabel);
    labels->addWidget(m_visitedLabel);
    labels->addWidget(m_activeLabel);
    labels->addStretch();
    auto* layout = new QHBoxLayout;
    layout->addWidget(m_preview);
    layout->addLayout(labels);
    return layout;
}

void Vytvor::followColours() {
    const ColorValue background = m_background.swatch->color();
    PaintRole(m_preview, QPalette::Base, background);
    PaintRole(m_preview, QPalette::Text, m_text.swatch->color());
    for (QLabel* label : {m_linkLabel, m_activeLabel, m_visitedLabel})
        PaintRole(label, QPalette::Window, background);
    PaintRole(m_linkLabel, QPalette::WindowText, m_link.swatch->color());
    PaintRole(m_visitedLabel, QPalette::WindowText, m_visited.swatch->color());
    PaintRole(m_activeLabel, QPalette::WindowText, m_active.swatch->color());
}

// --- Ok -------------------------------------------------------------------------

NewPageValues Vytvor::values() const {
    const auto colour = [](const ColourRow& row) {
        return PageColour{row.check->isChecked(), row.swatch->text()};
    };
    NewPageValues values;
    values.title = m_text2->text();
    values.baseChecked = m_check3->isChecked();
    values.base = m_text3->text();
    values.baseFontChecked = m_check8->isChecked();
    values.baseFontSize = m_hscroll1->value();
    values.pictureChecked = m_isPicture->isChecked();
    values.picturePath = m_picker->pathText();
    values.pictureRelative = m_picker->isRelative();
    values.fixedPicture = m_chkBGProp->isChecked();
    values.background = colour(m_background);
    values.text = colour(m_text);
    values.link = colour(m_link);
    values.visitedLink = colour(m_visited);
    values.activeLink = colour(m_active);
    values.marginChecked = m_chkMargin->isChecked();
    values.topMargin = m_lblMarginV->text();
    values.leftMargin = m_lblMarginH->text();
    return values;
}

void Vytvor::colourEditor() const {
    if (m_background.check->isChecked())
        MainSurface().setBackColor(m_background.swatch->color());
    if (m_text.check->isChecked()) {
        const AppliedFont look = Program().Applied;
        ApplyEditorFont(m_text.swatch->color(), look.AppliedBold, look.AppliedItalic,
                        look.AppliedFontName);
    }
}

void Vytvor::confirm() {
    const QString prefix = NewPagePrefix(HtmlDocumentHead(), values());
    colourEditor();
    WritePageAround([&](const QString& old) { return NewPageAround(prefix, old); });
}
