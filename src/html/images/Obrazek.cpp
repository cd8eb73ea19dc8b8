#include "html/images/Obrazek.h"

#include "core/files/file_io.h"
#include "core/text/program_error.h"
#include "html/controls/FilePickerGroup.h"
#include "html/controls/MarginFrame.h"
#include "html/controls/value_bar.h"
#include "platform/named_control.h"
#include "platform/window_registry.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QGroupBox* frame(QWidget* parent, const QString& title = QString()) {
    return new QGroupBox(title, parent);
}

} // namespace

Obrazek::Obrazek(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Obrazek"_s);
    setWindowTitle(u"HTML Obrázek"_s);

    auto* layout = new QVBoxLayout(this);
    // Built top to bottom and, in the row of frames, column by column, so the
    // tab order follows the layout.
    layout->addWidget(buildPicture());
    layout->addLayout(buildAltRow());
    // Three columns of frames keep the window low enough for a small screen.
    auto* frames = new QHBoxLayout;
    frames->addWidget(buildAlignment());
    frames->addWidget(buildSize());
    auto* spacing = new QVBoxLayout;
    spacing->addWidget(buildBorder());
    spacing->addWidget(buildSpacing());
    frames->addLayout(spacing);
    layout->addLayout(frames);
    m_check6 = Named(new QCheckBox(u"Nízké rozlišení :"_s, this), u"Check6"_s);
    m_text2 = MakeNamed<QLineEdit>(this, u"Text2"_s, {.text = u"path/file.jpg"_s});
    layout->addLayout(buildTextRow(m_check6, m_text2));
    m_check7 = Named(new QCheckBox(u"Obrázková mapa "_s, this), u"Check7"_s);
    m_text3 = MakeNamed<QLineEdit>(this, u"Text3"_s, {.text = u"#mapa"_s});
    layout->addLayout(buildTextRow(m_check7, m_text3));
    layout->addLayout(buildButtons());
}

QWidget* Obrazek::buildPicture() {
    auto* place = frame(this, u"Umístění obrázku"_s);
    m_picker = new FilePickerGroup(FilePickerGroup::pictureFilter(), place);
    (new QVBoxLayout(place))->addWidget(m_picker);
    connect(m_picker, &FilePickerGroup::fileChosen, this, &Obrazek::pictureChosen);
    return place;
}

// The automatic text stands beside the text it fills.
QLayout* Obrazek::buildAltRow() {
    m_chkAutoAlt = Named(new QCheckBox(u"&Automatický alt. text"_s, this), u"ChkAutoAlt"_s);
    m_chkAutoAlt->setToolTip(u"Bude se vytvářet alt popiska obrázku automaticky."_s);
    m_chkAutoAlt->setChecked(true);
    connect(m_chkAutoAlt, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            rebuildAutoAlt();
    });
    m_check4 = Named(new QCheckBox(u"Alternativní text :"_s, this), u"Check4"_s);
    m_text1 = MakeNamed<QLineEdit>(this, u"Text1"_s, {.text = u"Obrázek"_s});
    QHBoxLayout* row = buildTextRow(m_check4, m_text1);
    row->insertWidget(0, m_chkAutoAlt);
    return row;
}

QHBoxLayout* Obrazek::buildTextRow(QCheckBox* box, QLineEdit* text) {
    enableWith(box, {text});
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(text, 1);
    return row;
}

QWidget* Obrazek::buildAlignment() {
    auto* box = frame(this);
    m_check8 = Named(new QCheckBox(u"Zarovnání"_s, box), u"Check8"_s);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_check8);
    // Added in the order they are tested.
    layout->addWidget(m_align.add(box, u"Option1"_s, u"Nahoru"_s, ImageAlign::Top));
    layout->addWidget(m_align.add(box, u"Option2"_s, u"Na střed"_s, ImageAlign::Middle));
    layout->addWidget(m_align.add(box, u"Option3"_s, u"Dolů"_s, ImageAlign::Bottom));
    QRadioButton* left = m_align.add(box, u"Option4"_s, u"Obtékat zleva"_s, ImageAlign::Left);
    left->setChecked(true);
    layout->addWidget(left);
    layout->addWidget(m_align.add(box, u"Option5"_s, u"Obtékat zprava"_s, ImageAlign::Right));
    layout->addStretch();
    enableWith(m_check8, m_align.buttons());
    return box;
}

QWidget* Obrazek::buildSize() {
    auto* box = frame(this);
    m_check1 = Named(new QCheckBox(u"Nastavit velikost"_s, box), u"Check1"_s);
    m_chkPercent = Named(new QCheckBox(u"V &procentech"_s, box), u"chkPercent"_s);
    // The bars start in the percent range with "%" labels while the box is
    // clear; the first change of either puts them in line with it.
    m_vscroll2 = MakeValueBar(this, u"VScroll2"_s, Qt::Vertical, {1, 200, 10});
    m_label4 = Named(new QLabel(u"10%"_s, box), u"Label4"_s);
    m_vscroll1 = MakeValueBar(this, u"Vscroll1"_s, Qt::Vertical, {1, 200, 10});
    m_label3 = Named(new QLabel(u"10%"_s, box), u"Label3"_s);

    showValueInUnit(m_vscroll2, m_label4, m_chkPercent, ImageWidthMaxima);
    showValueInUnit(m_vscroll1, m_label3, m_chkPercent, ImageHeightMaxima);
    m_label4->setText(u"10%"_s);
    m_label3->setText(u"10%"_s);
    enableWith(m_check1, {m_chkPercent, m_vscroll1, m_vscroll2});
    // Unlike the bars, the unit box is usable before the size is ticked.
    m_chkPercent->setEnabled(true);

    auto* layout = new QGridLayout(box);
    layout->addWidget(m_check1, 0, 0, 1, 3);
    layout->addWidget(m_chkPercent, 1, 0, 1, 3);
    AddBarRow(layout, 2, u"Šířka :"_s, m_vscroll2, m_label4);
    AddBarRow(layout, 3, u"Výška :"_s, m_vscroll1, m_label3);
    layout->setRowStretch(4, 1);
    return box;
}

QWidget* Obrazek::buildBorder() {
    auto* box = frame(this);
    m_check2 = Named(new QCheckBox(u"Rámeček "_s, box), u"Check2"_s);
    m_vscroll3 = MakeValueTrack(this, u"VScroll3"_s, {0, 400, 0});
    m_label8 = Named(new QLabel(box), u"Label8"_s);
    showValueIn(m_vscroll3, m_label8);
    enableWith(m_check2, {m_vscroll3});

    auto* layout = new QGridLayout(box);
    layout->addWidget(m_check2, 0, 0, 1, 2);
    AddTrackRow(layout, 1, u"Šířka :"_s, m_vscroll3, m_label8);
    return box;
}

QWidget* Obrazek::buildSpacing() {
    auto* box = new MarginFrame(this, u"Odsazení"_s);
    m_check3 = box->check();
    m_label11 = box->horizontalLabel();
    m_label12 = box->verticalLabel();
    return box;
}

QLayout* Obrazek::buildButtons() {
    m_command1 = makeOkButton();
    // Nothing to point at before a picture is chosen.
    m_command1->setEnabled(false);
    return buttonRow({m_command1, makeStornoButton()});
}

void Obrazek::pictureChosen(const QString& fullPath) {
    m_command1->setEnabled(true);
    // A pipe or a device has no size to read; the user learns why none shows.
    if (CheckRegularFile(fullPath) == FileReadFailure::NotRegular)
        ReportError(NotRegularFileError(fullPath));
    presetSize(GetImageSize(fullPath));
    if (m_chkAutoAlt->isChecked())
        rebuildAutoAlt();
}

void Obrazek::presetSize(ImageSize size) {
    if (!CanPresetImageSize(size))
        return;
    {
        // Pixel mode is applied even when the box is already clear, so the
        // ranges and labels leave the initial percent state.
        const QSignalBlocker quiet(m_chkPercent);
        m_chkPercent->setChecked(false);
    }
    applyUnit(m_vscroll2, m_label4, false, ImageWidthMaxima);
    applyUnit(m_vscroll1, m_label3, false, ImageHeightMaxima);
    m_vscroll2->setMaximum(size.width);
    m_vscroll1->setMaximum(size.height);
    m_vscroll2->setValue(size.width);
    m_vscroll1->setValue(size.height);
}

void Obrazek::rebuildAutoAlt() {
    // Before a choice, or once the file has gone, its length cannot be read
    // and the text stays as it is.
    if (const auto alt = ImageAutoAltFor(m_picker->fullPath()))
        m_text1->setText(*alt);
}

ImageTagValues Obrazek::values() const {
    ImageTagValues v;
    v.address = m_picker->address();
    v.altChecked = m_check4->isChecked();
    v.alt = m_text1->text();
    v.alignChecked = m_check8->isChecked();
    v.align = m_align.selected();
    v.sizeChecked = m_check1->isChecked();
    v.widthLabel = m_label4->text();
    v.heightLabel = m_label3->text();
    v.spaceChecked = m_check3->isChecked();
    v.vspaceLabel = m_label12->text();
    v.hspaceLabel = m_label11->text();
    v.borderChecked = m_check2->isChecked();
    v.borderLabel = m_label8->text();
    v.lowSrcChecked = m_check6->isChecked();
    v.lowSrc = m_text2->text();
    v.useMapChecked = m_check7->isChecked();
    v.useMap = m_text3->text();
    return v;
}

void Obrazek::confirm() {
    const ImageTagValues current = values();
    // The form builder writes its own tag around the attributes.
    if (WindowTag(this) == u"form"_s)
        deliverToOpener(ImageTagAttributes(current));
    else
        writeToEditor({HtmlInsertMode::InsertAtCaret, ImageTag(current), QString()});
}
