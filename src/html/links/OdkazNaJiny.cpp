#include "html/links/OdkazNaJiny.h"

#include "core/text/editor_surface.h"
#include "html/controls/FilePickerGroup.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

OdkazNaJiny::OdkazNaJiny(QWidget* owner)
    : HtmlDialog(owner),
      m_option1(MakeNamed<QRadioButton>(this, u"Option1"_s, {.text = u"Existující &soubor"_s})),
      m_picker(new FilePickerGroup(FilePickerGroup::generalFilter(), this)),
      m_chkAutoAlt(MakeNamed<QCheckBox>(
          this, u"ChkAutoAlt"_s,
          {.text = u"&Auto. Titulek"_s,
           .toolTip = u"Bude se vytvářet alt popiska obrázku automaticky."_s})),
      m_option2(MakeNamed<QRadioButton>(this, u"Option2"_s, {.text = u"&Adresa :"_s})),
      m_text1(MakeNamed<QLineEdit>(this, u"Text1"_s, {.text = u"http://www."_s})),
      m_check1(MakeNamed<QCheckBox>(this, u"Check1"_s, {.text = u"&Kotva : #"_s})),
      m_text2(MakeNamed<QLineEdit>(this, u"Text2"_s, {.text = u"Kotva1"_s})),
      m_check3(MakeNamed<QCheckBox>(this, u"Check3"_s, {.text = u"&Target :"_s})),
      m_combo2(MakeNamed<QComboBox>(this, u"Combo2"_s)),
      m_check2(MakeNamed<QCheckBox>(this, u"Check2"_s, {.text = u"T&itulek :"_s})),
      m_text3(MakeNamed<QLineEdit>(this, u"Text3"_s, {.text = u"Odkaz"_s})) {
    setObjectName(u"OdkazNaJiny"_s);
    setWindowTitle(u"HTML Odkaz"_s);

    auto* options = new QButtonGroup(this);
    options->addButton(m_option1);
    options->addButton(m_option2);
    m_option1->setChecked(true);
    m_chkAutoAlt->setChecked(true);
    MakeEditable(m_combo2);
    m_combo2->setInsertPolicy(QComboBox::NoInsert);
    m_combo2->addItems({u"_blank"_s, u"_self"_s, u"_parent"_s, u"_top"_s});
    m_combo2->setEditText(u"_blank"_s);

    m_command1 = makeOkButton();
    QHBoxLayout* buttons = buttonRow({m_command1, makeStornoButton()});

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_option1, 0, 0, 1, 2);
    layout->addWidget(m_picker, 1, 0, 1, 2);
    layout->addWidget(m_chkAutoAlt, 2, 0, 1, 2);
    layout->addWidget(m_option2, 3, 0);
    layout->addWidget(m_text1, 3, 1);
    layout->addWidget(m_check1, 4, 0);
    layout->addWidget(m_text2, 4, 1);
    layout->addWidget(m_check3, 5, 0);
    layout->addWidget(m_combo2, 5, 1);
    layout->addWidget(m_check2, 6, 0);
    layout->addWidget(m_text3, 6, 1);
    layout->addLayout(buttons, 7, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    enableWith(m_check1, {m_text2});
    enableWith(m_check3, {m_combo2});
    connect(m_option1, &QRadioButton::toggled, this, [this](bool toFile) {
        m_text1->setEnabled(!toFile);
        m_picker->setEnabled(toFile);
        // Back on the file option the whole picker is offered again, the
        // preview button too, whether or not a file has been chosen.
        if (toFile)
            m_picker->enableBrowzde();
        updateOk();
    });
    m_text1->setEnabled(false);
    connect(m_text1, &QLineEdit::textChanged, this, &OdkazNaJiny::updateOk);
    connect(m_picker, &FilePickerGroup::fileChosen, this, [this] {
        updateOk();
        if (m_chkAutoAlt->isChecked())
            rebuildAutoTitle();
    });
    connect(m_chkAutoAlt, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            rebuildAutoTitle();
    });
    updateOk();
}

void OdkazNaJiny::updateOk() {
    m_command1->setEnabled(m_option1->isChecked() ? m_picker->hasFile()
                                                  : !m_text1->text().isEmpty());
}

void OdkazNaJiny::rebuildAutoTitle() {
    // Before a choice, or once the file has gone, its length cannot be read
    // and the title stays as it is.
    if (const auto title = LinkAutoTitleFor(m_picker->fullPath()))
        m_text3->setText(*title);
}

LinkValues OdkazNaJiny::values() const {
    LinkValues v;
    v.toFile = m_option1->isChecked();
    v.fileAddress = m_picker->address();
    v.address = m_text1->text();
    v.anchorChecked = m_check1->isChecked();
    v.anchor = m_text2->text();
    v.targetChecked = m_check3->isChecked();
    v.target = m_combo2->currentText();
    v.titleChecked = m_check2->isChecked();
    v.title = m_text3->text();
    return v;
}

void OdkazNaJiny::confirm() {
    writeToEditor(LinkInsertion(values(), MainSurface().selLength() == 0));
}
