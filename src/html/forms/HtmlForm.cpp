#include "html/forms/HtmlForm.h"

#include "html/controls/RowMoveButtons.h"
#include "html/controls/value_bar.h"
#include "html/images/Obrazek.h"
#include "platform/default_button.h"
#include "platform/named_control.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString SingleCaption = u"&Ok"_s;
const QString AddCaption = u"&Přidej ..."_s;

// A caption label for the control beside it.
QLabel* captionFor(QWidget* page, const QString& text, QWidget* control) {
    auto* label = new QLabel(text, page);
    label->setBuddy(control);
    return label;
}

// A column as wide as its widest control, shown or hidden, so that a control
// appearing in it never pushes the columns beside it sideways.
void KeepColumnWidth(QGridLayout* layout, int column) {
    int widest = 0;
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0;
        int itemColumn = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        layout->getItemPosition(i, &row, &itemColumn, &rowSpan, &columnSpan);
        const QWidget* control = layout->itemAt(i)->widget();
        if (control != nullptr && itemColumn == column && columnSpan == 1)
            widest = std::max(widest, control->sizeHint().width());
    }
    layout->setColumnMinimumWidth(column, widest);
}

} // namespace

HtmlForm::HtmlForm(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"HtmlForm"_s);
    setWindowTitle(u"HTML Formulář"_s);

    m_tabs = Named(new QTabWidget(this), u"TabStrip1"_s);
    const struct {
        QWidget* page;
        QString caption;
        QString toolTip;
    } tabs[] = {
        {buildFormPage(), u"Formulář"_s, u"Nastavení formuláře"_s},
        {buildInputPage(), u"Input"_s, u"Tag INPUT"_s},
        {buildTextAreaPage(), u"Text Area"_s, u"Tag TEXTAREA"_s},
        {buildSelectPage(), u"Select"_s, u"Tag SELECT"_s},
    };
    for (const auto& tab : tabs) {
        const int index = m_tabs->addTab(tab.page, tab.caption);
        m_tabs->setTabToolTip(index, tab.toolTip);
    }
    (new QVBoxLayout(this))->addWidget(m_tabs);

    // Enter goes to one button chosen by the mode, never to a focused one.
    withoutDefaultButton();
    applySetup(FormBuilderSetupFor(1));
}

HtmlForm::NumberControls HtmlForm::makeNumber(QWidget* page, const QString& boxName,
                                              const QString& caption, const QString& toolTip,
                                              const QString& barName, const QString& labelName) {
    NumberControls number;
    number.box = MakeNamed<QCheckBox>(page, boxName, {.text = caption, .toolTip = toolTip});
    number.bar = MakeValueBar(page, barName, Qt::Horizontal, {0, 100, 0, 10});
    number.label = Named(new QLabel(page), labelName);
    showValueIn(number.bar, number.label);
    enableWith(number.box, {number.bar});
    return number;
}

void HtmlForm::addNumberRow(QGridLayout* layout, int row, const NumberControls& number) {
    layout->addWidget(number.box, row, 0);
    layout->addWidget(number.bar, row, 1);
    layout->addWidget(number.label, row, 2);
}

QPushButton* HtmlForm::makeAddButton(QWidget* page, const QString& name) {
    return MakeNamed<QPushButton>(page, name, {.text = AddCaption});
}

QPushButton* HtmlForm::makeCancelButton(QWidget* page, const QString& name) {
    auto* button = MakeNamed<QPushButton>(page, name, {.text = u"&Storno"_s});
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
}

QWidget* HtmlForm::buildFormPage() {
    auto* page = Named(new QWidget(this), u"FramForm"_s);
    m_txtAction = MakeNamed<QLineEdit>(
        page, u"TxtAction"_s, {.text = u"akce.php"_s, .toolTip = u"URL skriptu - přijemce dat"_s});
    m_txtFormName = MakeNamed<QLineEdit>(page, u"TxtFormName"_s, {.text = u"form1"_s});
    m_txtFormName->setEnabled(false);
    auto* get = MakeNamed<QRadioButton>(page, u"OptMethotGET"_s, {.text = u"&GET"_s});
    get->setChecked(true);
    m_optMethodPost = MakeNamed<QRadioButton>(page, u"OptMethodPOST"_s, {.text = u"&POST"_s});
    m_chkEnctype = MakeNamed<QPushButton>(
        page, u"ChkEnctype"_s,
        {.text = u"multipart/form-data"_s, .toolTip = u"Zakódovávání odesílaných dat"_s});
    m_chkEnctype->setCheckable(true);
    m_lstElements =
        MakeNamed<QListWidget>(page, u"LstElements"_s, {.toolTip = u"Vybrané ovládací prvky"_s});
    auto* elementsLabel = captionFor(page, u"Prvky formuláře :"_s, m_lstElements);
    QVBoxLayout* moves = MakeRowMoveButtons(page, m_lstElements);
    m_cmndOk = MakeNamed<QPushButton>(page, u"CmndOK"_s, {.text = u"&Ok"_s});
    connect(m_cmndOk, &QPushButton::clicked, this, [this] {
        confirm();
        accept();
    });
    auto* storno = makeCancelButton(page, u"CmndStorno"_s);

    auto* methods = new QHBoxLayout;
    methods->addWidget(get);
    methods->addWidget(m_optMethodPost);
    methods->addStretch();
    auto* encoding = new QHBoxLayout;
    encoding->addWidget(m_chkEnctype);
    encoding->addStretch();
    auto* elements = new QHBoxLayout;
    elements->addWidget(m_lstElements, 1);
    elements->addLayout(moves);

    auto* layout = new QGridLayout(page);
    layout->addWidget(captionFor(page, u"URL Akce :"_s, m_txtAction), 0, 0);
    layout->addWidget(m_txtAction, 0, 1);
    layout->addWidget(captionFor(page, u"Jméno formuláře :"_s, m_txtFormName), 1, 0);
    layout->addWidget(m_txtFormName, 1, 1);
    layout->addWidget(new QLabel(u"Metoda odesílání :"_s, page), 2, 0);
    layout->addLayout(methods, 2, 1);
    layout->addWidget(captionFor(page, u"Kódování dat : "_s, m_chkEnctype), 3, 0);
    layout->addLayout(encoding, 3, 1);
    layout->addWidget(elementsLabel, 4, 0, 1, 2);
    layout->addLayout(elements, 5, 0, 1, 2);
    layout->setRowStretch(5, 1);
    layout->addLayout(buttonRow({m_cmndOk, storno}), 6, 0, 1, 2);
    return page;
}

QWidget* HtmlForm::buildInputPage() {
    auto* page = Named(new QWidget(this), u"FramInput"_s);
    m_cmbType = MakeNamed<QComboBox>(page, u"CmbType"_s, {.toolTip = u"Typ ovládacího prvku"_s});
    m_cmbType->addItems(FormInputTypes());
    m_cmbType->setCurrentIndex(-1);
    connect(m_cmbType, &QComboBox::currentTextChanged, this, &HtmlForm::showControlsOfType);
    m_txtInputName = MakeNamed<QLineEdit>(page, u"TxtInputName"_s, {.text = u"input1"_s});
    m_txtValue = MakeNamed<QLineEdit>(page, u"TxtValue"_s, {.toolTip = u"Počáteční hodnota"_s});
    m_size = makeNumber(page, u"ChkSize"_s, u"&Velikost"_s, u"Počet zobrazených znaků"_s,
                        u"HSSize"_s, u"LblSize"_s);
    m_maxLength = makeNumber(page, u"ChkMaxLength"_s, u"&MaxLenght"_s, u"Maximální délka textu"_s,
                             u"HSMaxLength"_s, u"LblMaxLength"_s);
    m_chkChecked =
        MakeNamed<QCheckBox>(page, u"ChkChecked"_s,
                             {.text = u"&Zaškrtnutí"_s, .toolTip = u"Počáteční nastavení prvku"_s});
    m_cmndImage = MakeNamed<QPushButton>(
        page, u"CmndImage"_s,
        {.text = u"Obrázek - více ..."_s, .toolTip = u"Nastaví tagu Image"_s});
    connect(m_cmndImage, &QPushButton::clicked, this, &HtmlForm::chooseImage);
    m_lblImage = MakeNamed<QLineEdit>(page, u"LblImage"_s);
    m_lblImage->setReadOnly(true);
    m_chkAccept = MakeNamed<QCheckBox>(
        page, u"ChkAccept"_s, {.text = u"&Accept"_s, .toolTip = u"Přijímané typy souborů"_s});
    m_txtAccept = MakeNamed<QLineEdit>(page, u"TxtAccept"_s, {.text = u"image/*,text/*"_s});
    // Like the other boxes of the window: the value is editable while ticked.
    enableWith(m_chkAccept, {m_txtAccept});
    m_cmndAddInput = makeAddButton(page, u"CmndAddInput"_s);
    connect(m_cmndAddInput, &QPushButton::clicked, this,
            [this] { passOn(m_cmndAddInput, FormInputTag(inputValues())); });
    auto* storno = makeCancelButton(page, u"Command2"_s);

    auto* layout = new QGridLayout(page);
    layout->addWidget(captionFor(page, u"Type :"_s, m_cmbType), 0, 0);
    layout->addWidget(m_cmbType, 0, 1, 1, 2);
    layout->addWidget(captionFor(page, u"Jméno :"_s, m_txtInputName), 1, 0);
    layout->addWidget(m_txtInputName, 1, 1, 1, 2);
    layout->addWidget(captionFor(page, u"Hodnota :"_s, m_txtValue), 2, 0);
    layout->addWidget(m_txtValue, 2, 1, 1, 2);
    int row = 3;
    for (const NumberControls& number : {m_size, m_maxLength})
        addNumberRow(layout, row++, number);
    layout->addWidget(m_chkChecked, row++, 0, 1, 3);
    layout->addWidget(m_cmndImage, row, 0);
    layout->addWidget(m_lblImage, row++, 1, 1, 2);
    layout->addWidget(m_chkAccept, row, 0);
    layout->addWidget(m_txtAccept, row++, 1, 1, 2);
    layout->setRowStretch(row++, 1);
    layout->addLayout(buttonRow({m_cmndAddInput, storno}), row, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    // The boxes stay put whichever type's controls are shown.
    KeepColumnWidth(layout, 0);
    showControlsOfType(QString());
    return page;
}

QWidget* HtmlForm::buildTextAreaPage() {
    auto* page = Named(new QWidget(this), u"FramTextArea"_s);
    m_txtTaName = MakeNamed<QLineEdit>(page, u"TxtTAName"_s, {.text = u"textarea1"_s});
    m_txtTextArea =
        MakeNamed<QPlainTextEdit>(page, u"TxtTextArea"_s, {.toolTip = u"Text TextArey"_s});
    m_txtTextArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtTextArea->setTabChangesFocus(true);
    m_rows = makeNumber(page, u"ChkRows"_s, u"&Řádky :"_s, u"Počet zobrazených řádků"_s,
                        u"HSRows"_s, u"LblRows"_s);
    m_cols = makeNumber(page, u"ChkCols"_s, u"&Sloupce :"_s, u"Počet ziobrazených sloupců"_s,
                        u"HSCols"_s, u"LblCols"_s);
    m_cmndAddTextArea = makeAddButton(page, u"CmndAddTextArea"_s);
    connect(m_cmndAddTextArea, &QPushButton::clicked, this,
            [this] { passOn(m_cmndAddTextArea, FormTextAreaElement(textAreaValues())); });
    auto* storno = makeCancelButton(page, u"Command1"_s);

    auto* layout = new QGridLayout(page);
    layout->addWidget(captionFor(page, u"Jméno :"_s, m_txtTaName), 0, 0);
    layout->addWidget(m_txtTaName, 0, 1, 1, 2);
    layout->addWidget(captionFor(page, u"Hodnota :"_s, m_txtTextArea), 1, 0, Qt::AlignTop);
    layout->addWidget(m_txtTextArea, 1, 1, 1, 2);
    layout->setRowStretch(1, 1);
    int row = 2;
    for (const NumberControls& number : {m_rows, m_cols})
        addNumberRow(layout, row++, number);
    layout->addLayout(buttonRow({m_cmndAddTextArea, storno}), row, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    return page;
}

QWidget* HtmlForm::buildSelectPage() {
    auto* page = Named(new QWidget(this), u"FramSelect"_s);
    m_txtSelectName = MakeNamed<QLineEdit>(page, u"TxtSelectName"_s, {.text = u"select1"_s});
    m_height = makeNumber(page, u"ChkHeight"_s, u"&Výška :"_s,
                          u"Počet vertikálně zobrazených položek"_s, u"HSHeight"_s, u"LblHeight"_s);
    m_chkMultiple = MakeNamed<QCheckBox>(page, u"ChkMultiple"_s,
                                         {.text = u"&Povolit výběr více položek najednou"_s});
    m_txtOptionText = MakeNamed<QLineEdit>(page, u"TxtOptionText"_s);
    m_txtOptionValue = MakeNamed<QLineEdit>(page, u"TxtOptionValue"_s);
    auto* addOption = MakeNamed<QPushButton>(page, u"CmndAddOption"_s, {.text = u"Přidat"_s});
    connect(addOption, &QPushButton::clicked, this, &HtmlForm::addOption);
    auto* delOption = MakeNamed<QPushButton>(page, u"CmndDelOption"_s, {.text = u"Vymazat"_s});
    connect(delOption, &QPushButton::clicked, this, &HtmlForm::deleteOption);
    m_lstOption = MakeNamed<QTreeWidget>(page, u"LstOption"_s);
    m_lstOption->setHeaderLabels({u"Text"_s, u"Hodnota"_s});
    m_lstOption->setRootIsDecorated(false);
    m_cmndAddSelect = makeAddButton(page, u"CmndAddSelect"_s);
    connect(m_cmndAddSelect, &QPushButton::clicked, this,
            [this] { passOn(m_cmndAddSelect, FormSelectElement(selectValues())); });
    auto* storno = makeCancelButton(page, u"Command4"_s);

    auto* optionButtons = new QHBoxLayout;
    optionButtons->addWidget(addOption);
    optionButtons->addWidget(delOption);
    optionButtons->addStretch();

    auto* layout = new QGridLayout(page);
    layout->addWidget(captionFor(page, u"Jméno :"_s, m_txtSelectName), 0, 0);
    layout->addWidget(m_txtSelectName, 0, 1, 1, 2);
    addNumberRow(layout, 1, m_height);
    layout->addWidget(m_chkMultiple, 2, 0, 1, 3);
    layout->addWidget(captionFor(page, u"Text :"_s, m_txtOptionText), 3, 0);
    layout->addWidget(m_txtOptionText, 3, 1, 1, 2);
    layout->addWidget(captionFor(page, u"Hodnota :"_s, m_txtOptionValue), 4, 0);
    layout->addWidget(m_txtOptionValue, 4, 1, 1, 2);
    layout->addLayout(optionButtons, 5, 0, 1, 3);
    layout->addWidget(m_lstOption, 6, 0, 1, 3);
    layout->setRowStretch(6, 1);
    layout->addLayout(buttonRow({m_cmndAddSelect, storno}), 7, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    return page;
}

void HtmlForm::applySetup(const FormBuilderSetup& setup) {
    // Free first: a locked strip may be holding the set-up's tab disabled.
    lockTabs(false);
    m_tabs->setCurrentIndex(setup.tab - 1);
    lockTabs(!setup.tabStripEnabled);
    const std::pair<QPushButton*, QString> captions[] = {
        {m_cmndAddInput, setup.inputCaption},
        {m_cmndAddTextArea, setup.textAreaCaption},
        {m_cmndAddSelect, setup.selectCaption},
    };
    for (const auto& [button, caption] : captions) {
        if (!caption.isEmpty())
            button->setText(caption);
    }
    updateDefaultButton();
}

void HtmlForm::lockTabs(bool locked) {
    // Ctrl+Tab would still reach a tab the locked strip only greys.
    m_tabs->tabBar()->setEnabled(!locked);
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabEnabled(i, !locked || i == m_tabs->currentIndex());
}

QPushButton* HtmlForm::updateDefaultButton() {
    QPushButton* chosen = m_cmndOk;
    for (QPushButton* add : {m_cmndAddInput, m_cmndAddTextArea, m_cmndAddSelect}) {
        add->setDefault(false);
        if (add->text() == SingleCaption && m_tabs->currentWidget()->isAncestorOf(add))
            chosen = add;
    }
    m_cmndOk->setDefault(false);
    chosen->setDefault(true);
    return chosen;
}

void HtmlForm::showEvent(QShowEvent* event) {
    HtmlDialog::showEvent(event);
    FocusDefaultButtonOnShow(*this, *updateDefaultButton());
}

void HtmlForm::showControlsOfType(const QString& type) {
    const FormInputControls shown = FormInputControlsOf(type);
    const struct {
        bool visible;
        QList<QWidget*> controls;
    } groups[] = {
        {shown.size, {m_size.box, m_size.bar, m_size.label}},
        {shown.maxLength, {m_maxLength.box, m_maxLength.bar, m_maxLength.label}},
        {shown.checked, {m_chkChecked}},
        {shown.image, {m_cmndImage, m_lblImage}},
        {shown.accept, {m_chkAccept, m_txtAccept}},
    };
    for (const auto& group : groups) {
        for (QWidget* control : group.controls)
            control->setVisible(group.visible);
    }
}

void HtmlForm::chooseImage() {
    // The image dialog, open on its own or not, takes a modal turn for the
    // button and hands its attributes back into LblImage.
    LoadedWindow<Obrazek>().openForResult(u"form"_s, {}, intoBox(m_lblImage));
}

RowList<FormOption> HtmlForm::options() const {
    RowList<FormOption> rows;
    for (int i = 0; i < m_lstOption->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_lstOption->topLevelItem(i);
        rows.rows.append({item->text(0), item->text(1)});
    }
    QTreeWidgetItem* current = m_lstOption->currentItem();
    if (current != nullptr && current->isSelected())
        rows.selected = m_lstOption->indexOfTopLevelItem(current);
    return rows;
}

void HtmlForm::showOptions(const RowList<FormOption>& rows) {
    m_lstOption->clear();
    for (const FormOption& option : rows.rows)
        new QTreeWidgetItem(m_lstOption, {option.text, option.value});
    if (rows.hasSelection())
        m_lstOption->setCurrentItem(m_lstOption->topLevelItem(rows.selected));
}

void HtmlForm::addOption() {
    showOptions(
        WithRowAdded(options(), FormOption{m_txtOptionText->text(), m_txtOptionValue->text()}));
}

void HtmlForm::deleteOption() {
    showOptions(MovedRows(options(), RowMove::Delete));
}

void HtmlForm::passOn(QPushButton* addButton, const QString& element) {
    if (addButton->text() == SingleCaption) {
        addButton->setText(AddCaption);
        lockTabs(false);
        writeOverSelection(element);
        updateDefaultButton();
        accept();
        return;
    }
    RowList<QString> elements = ListRows(m_lstElements);
    elements.rows.append(element);
    ShowListRows(m_lstElements, elements);
}

FormInputValues HtmlForm::inputValues() const {
    FormInputValues v;
    v.type = m_cmbType->currentText();
    v.name = m_txtInputName->text();
    v.value = m_txtValue->text();
    v.sizeChecked = m_size.box->isChecked();
    v.sizeLabel = m_size.label->text();
    v.maxLengthChecked = m_maxLength.box->isChecked();
    v.maxLengthLabel = m_maxLength.label->text();
    v.checked = m_chkChecked->isChecked();
    v.imageAttributes = m_lblImage->text();
    v.acceptChecked = m_chkAccept->isChecked();
    v.accept = m_txtAccept->text();
    return v;
}

FormTextAreaValues HtmlForm::textAreaValues() const {
    FormTextAreaValues v;
    v.name = m_txtTaName->text();
    // The box breaks its lines with LF; the document's Enter makes CR LF.
    v.text = m_txtTextArea->toPlainText().replace(u'\n', u"\r\n"_s);
    v.rowsChecked = m_rows.box->isChecked();
    v.rowsLabel = m_rows.label->text();
    v.colsChecked = m_cols.box->isChecked();
    v.colsLabel = m_cols.label->text();
    return v;
}

FormSelectValues HtmlForm::selectValues() const {
    FormSelectValues v;
    v.name = m_txtSelectName->text();
    v.heightChecked = m_height.box->isChecked();
    v.heightLabel = m_height.label->text();
    v.multiple = m_chkMultiple->isChecked();
    v.options = options().rows;
    return v;
}

FormValues HtmlForm::formValues() const {
    FormValues v;
    v.action = m_txtAction->text();
    v.name = m_txtFormName->text();
    v.post = m_optMethodPost->isChecked();
    v.multipart = m_chkEnctype->isChecked();
    v.elements = ListRows(m_lstElements).rows;
    return v;
}

void HtmlForm::confirm() {
    writeOverSelection(FormElement(formValues()));
}

void OpenHtmlForm(const FormBuilderSetup& setup) {
    HtmlForm& window = LoadedWindow<HtmlForm>();
    window.applySetup(setup);
    window.showModeless();
}
