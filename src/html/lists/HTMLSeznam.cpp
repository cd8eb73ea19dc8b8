#include "html/lists/HTMLSeznam.h"

#include "core/text/editor_surface.h"
#include "html/controls/RowMoveButtons.h"
#include "platform/named_control.h"
#include "platform/window_registry.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString Unordered = u"norm"_s;

} // namespace

HTMLSeznam::HTMLSeznam(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"HTMLSeznam"_s);
    setWindowTitle(u"Html seznam"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildItems());
    layout->addLayout(buildOptions());
    // The two frames share one place; the opener shows the one of its kind.
    auto* frames = new QGridLayout;
    frames->addWidget(buildBullets(), 0, 0);
    frames->addWidget(buildNumbering(), 0, 0);
    layout->addLayout(frames);
    auto* buttons = makeButtonRow();
    Named(findChild<QPushButton*>(u"Command1"_s), u"CmndOk"_s);
    Named(findChild<QPushButton*>(u"Command2"_s), u"CmndStorno"_s);
    layout->addLayout(buttons);
    applySetup(ListEditorSetupFor(ListKind::Bulleted));
}

QLayout* HTMLSeznam::buildItems() {
    auto* label = Named(new QLabel(u"Seznam :"_s, this), u"Label1"_s);
    m_lstPolozky = MakeNamed<QListWidget>(this, u"LstPolozky"_s);
    label->setBuddy(m_lstPolozky);
    auto* list = new QHBoxLayout;
    list->addWidget(m_lstPolozky, 1);
    list->addLayout(MakeRowMoveButtons(this, m_lstPolozky));

    m_txtPolozka = MakeNamed<QLineEdit>(this, u"TxtPolozka"_s, {.text = u"Položka"_s});
    auto* add = MakeNamed<QPushButton>(this, u"CmndAdd"_s, {.text = u"&Přidej"_s});
    add->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &HTMLSeznam::addItem);
    auto* adding = new QHBoxLayout;
    adding->addWidget(m_txtPolozka, 1);
    adding->addWidget(add);

    auto* layout = new QVBoxLayout;
    layout->addWidget(label);
    layout->addLayout(list);
    layout->addLayout(adding);
    return layout;
}

QLayout* HTMLSeznam::buildOptions() {
    m_chkLabel = MakeNamed<QCheckBox>(this, u"ChkLabel"_s,
                                      {.text = u"&Nadpis"_s, .toolTip = u"Nadpis seznamu"_s});
    m_txtLabel = MakeNamed<QLineEdit>(this, u"TxtLabel"_s,
                                      {.text = u"Nadpis"_s, .toolTip = u"Nadpis seznamu"_s});
    enableWith(m_chkLabel, {m_txtLabel});
    m_chkCompact = MakeNamed<QCheckBox>(this, u"ChkCompact"_s, {.text = u"Kompaktní seznam"_s});

    auto* layout = new QGridLayout;
    layout->addWidget(m_chkLabel, 0, 0);
    layout->addWidget(m_txtLabel, 0, 1);
    layout->addWidget(m_chkCompact, 1, 0, 1, 2);
    return layout;
}

QGroupBox* HTMLSeznam::buildBullets() {
    m_framS = buildStyles(u"FramS"_s, u"ChkSBod"_s, u"Bod seznamu"_s, m_bullets,
                          {{u"OpSKolecko"_s, u"Plné &kolečko"_s, u"disc"_s},
                           {u"OpSPKolecko"_s, u"&Prázdné kolečko"_s, u"circle"_s},
                           {u"OpSCtverecek"_s, u"&Čtvereček"_s, u"square"_s}});
    m_chkSBod = m_framS->findChild<QCheckBox*>();
    return m_framS;
}

QGroupBox* HTMLSeznam::buildNumbering() {
    m_framC = buildStyles(u"FramC"_s, u"ChkCBod"_s, u"Bod Seznamu"_s, m_numbering,
                          {{u"OpCArab"_s, u"&Arabská číslice"_s, u"1"_s},
                           {u"OpCmalaa"_s, u"&Malé písmeno abecedy"_s, u"a"_s},
                           {u"OpCVelkaa"_s, u"&Velké písmeno abecedy"_s, u"A"_s},
                           {u"OpCMalar"_s, u"Malá římská &číslice"_s, u"i"_s},
                           {u"OpCVelkar"_s, u"Velká &římská číslice"_s, u"I"_s}});
    m_chkCBod = m_framC->findChild<QCheckBox*>();
    return m_framC;
}

QGroupBox* HTMLSeznam::buildStyles(const QString& frameName, const QString& boxName,
                                   const QString& boxCaption, OptionValues<QString>& options,
                                   std::initializer_list<StyleOption> styles) {
    auto* frame = Named(new QGroupBox(this), frameName);
    auto* box = MakeNamed<QCheckBox>(frame, boxName, {.text = boxCaption});
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    for (const StyleOption& style : styles) {
        QRadioButton* button = options.add(frame, style.name, style.caption, style.type);
        // The first style is chosen until the user picks another.
        button->setChecked(&style == styles.begin());
        layout->addWidget(button);
    }
    layout->addStretch();
    enableWith(box, options.buttons());
    return frame;
}

void HTMLSeznam::applySetup(const ListEditorSetup& setup) {
    SetWindowTag(this, setup.tag);
    m_framS->setVisible(setup.bulletStylesShown);
    m_framC->setVisible(setup.numberStylesShown);
}

void HTMLSeznam::setItems(const QStringList& items) {
    ShowListRows(m_lstPolozky, {items, -1});
}

void HTMLSeznam::addItem() {
    ShowListRows(m_lstPolozky, WithRowAdded(ListRows(m_lstPolozky), m_txtPolozka->text()));
}

bool HTMLSeznam::isUnordered() const {
    return WindowTag(this) == Unordered;
}

HtmlListValues HTMLSeznam::values() const {
    HtmlListValues v;
    v.ordered = !isUnordered();
    v.typeChecked = v.ordered ? m_chkCBod->isChecked() : m_chkSBod->isChecked();
    v.type = v.ordered ? m_numbering.selected() : m_bullets.selected();
    v.compact = m_chkCompact->isChecked();
    v.labelChecked = m_chkLabel->isChecked();
    v.label = m_txtLabel->text();
    v.items = ListRows(m_lstPolozky).rows;
    return v;
}

void HTMLSeznam::confirm() {
    writeToEditor({HtmlInsertMode::InsertAtCaret, HtmlListText(values()), QString()});
}

void OpenHtmlList(ListKind kind) {
    HTMLSeznam& window = LoadedWindow<HTMLSeznam>();
    window.applySetup(ListEditorSetupFor(kind));
    window.showModeless();
}

void OpenHtmlListFromSelection(ListKind kind) {
    LoadedWindow<HTMLSeznam>().setItems(ListItemsFromSelection(MainSurface().selText()));
    OpenHtmlList(kind);
}
