#include "html/tags/EdiTag.h"

#include "colour/PickColor.h"
#include "core/colour/colour_text.h"
#include "core/html/file_picker_address.h"
#include "core/html/tag_editor.h"
#include "html/controls/AttributePairEditor.h"
#include "html/controls/FilePickerGroup.h"
#include "html/controls/value_bar.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/window_registry.h"
#include "shell/ProgramState.h"
#include "shell/files/file_dialogs.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

EdiTag::EdiTag(QWidget* owner)
    : HtmlDialog(owner), m_text1(MakeNamed<QLineEdit>(this, u"Text1"_s)),
      m_pairs(new AttributePairEditor(AttributePairEditor::Form::Full, this)),
      m_hscroll1(MakeValueBar(this, u"HScroll1"_s, Qt::Horizontal, {1, 100, 1, 10})),
      m_command5(MakeNamed<QPushButton>(this, u"Command5"_s, {.text = u"&Barva"_s})),
      m_command6(MakeNamed<QPushButton>(this, u"Command6"_s, {.text = u"&Soubor"_s})),
      m_check1(MakeNamed<QCheckBox>(this, u"Check1"_s, {.text = u"Relativně"_s})) {
    setObjectName(u"EdiTag"_s);
    setWindowTitle(u"HTML - přidat atribut"_s);

    auto* tagLabel = new QLabel(u"Tag :"_s, this);
    tagLabel->setBuddy(m_text1);
    auto* percentLabel = new QLabel(u"Procenta :"_s, this);
    percentLabel->setBuddy(m_hscroll1);

    // The pair editor owns Command1 and Command2.
    QHBoxLayout* buttons = makeButtonRowAfterOwnButtons();

    auto* aids = new QHBoxLayout;
    aids->addWidget(percentLabel);
    aids->addWidget(m_hscroll1, 1);
    aids->addWidget(m_command5);
    aids->addWidget(m_command6);
    aids->addWidget(m_check1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(tagLabel, 0, 0);
    layout->addWidget(m_text1, 0, 1);
    layout->addWidget(m_pairs, 1, 0, 1, 2);
    layout->addLayout(aids, 2, 0, 1, 2);
    layout->addLayout(buttons, 3, 0, 1, 2);

    QComboBox* value = m_pairs->valueBox();
    connect(m_hscroll1, &QScrollBar::valueChanged, value,
            [value](int percent) { value->setEditText(QString::number(percent) + u'%'); });
    connect(m_command5, &QPushButton::clicked, value,
            [value] { value->setEditText(ColorToHex(PickColor(0))); });
    connect(m_command6, &QPushButton::clicked, this, &EdiTag::chooseFile);
}

void EdiTag::load(EditorSurface& surface) {
    const std::optional<TagSpan> span = FindTagAt(surface.text(), surface.selStart());
    m_tagFound = span.has_value();
    if (!m_tagFound) {
        ShowMessageBox(u"Není tag!"_s, u"EdiTag"_s, MessageBoxButtons::Ok, MessageBoxIcon::None);
        return;
    }
    const TagParts parts = SplitTag(surface.text().mid(span->start, span->length));
    m_text1->setText(parts.name);
    m_pairs->setPairs(parts.pairs);
    m_ending = parts.ending;
    surface.setSelStart(span->start);
    surface.setSelLength(span->length);
}

void EdiTag::confirm() {
    const QString tag = BuildTag({m_text1->text(), m_pairs->pairs(), m_ending});
    // Without a found tag the window opened empty: what the user typed into
    // it goes over the selection, but an empty tag never replaces it.
    if (!m_tagFound && tag == u"<>"_s)
        return;
    writeOverSelection(tag);
}

void EdiTag::chooseFile() {
    const QString chosen = ShowOpenDialog(
        FilePickerGroup::generalFilter() + u'|' + FilePickerGroup::pictureFilter(), this);
    if (chosen.isEmpty())
        return;
    // Relative to the document being edited, as the other dialogs' pickers.
    const bool relative = m_check1->isChecked();
    const QString shown =
        PickerPathText(chosen, relative, Program().CurrentFilePath, Program().AppFolder);
    m_pairs->valueBox()->setEditText(PickerAddress(shown, relative));
}

void EditTag() {
    auto* window = new EdiTag(MainForm::instance());
    Platform().windows->add(window);
    const QPointer<EdiTag> alive(window);
    window->load(MainSurface());
    window->exec();
    // A close from the title bar may have deleted it already.
    if (!alive.isNull())
        Platform().windows->unload(window);
}
