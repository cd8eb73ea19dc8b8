#include "utilities/selection/Convert.h"

#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "platform/named_control.h"
#include "shell/edit/selection_commands.h"
#include "shell/shared_procedures.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* SetBox(QWidget* parent, const QString& name, const QString& text, const QString& toolTip,
                  const QFont& font) {
    auto* box = MakeNamed<QLineEdit>(parent, name, {.text = text, .toolTip = toolTip});
    box->setFont(font);
    box->setMinimumWidth(240);
    return box;
}

// The label before a box tells what the box does, as its tool tip does.
QLabel* CaptionFor(QLineEdit* box, const QString& text) {
    auto* label = new QLabel(text, box->parentWidget());
    label->setToolTip(box->toolTip());
    label->setBuddy(box);
    return label;
}

} // namespace

Convert::Convert(QWidget* owner) : TextToolWindow(owner, u"Convert"_s, u"Konvertor znaků"_s) {
    m_from =
        SetBox(this, u"TxtFrom"_s, u"Áá"_s, u"Znaky, které budou nahrazeny"_s, fixedPitchFont());
    m_to =
        SetBox(this, u"TxtTo"_s, u"Aa"_s, u"Znaky, kterými se bude nahrazovat"_s, fixedPitchFont());
    connect(m_from, &QLineEdit::textChanged, this, [this] { CheckConvertLengths(); });
    connect(m_to, &QLineEdit::textChanged, this, [this] { CheckConvertLengths(); });
    m_ok = makeButton(u"CmndOK"_s, u"&Ok"_s, u"OuKej!"_s, [this] { translateSelection(); });
    setDefaultButton(m_ok);
    m_storno = makeButton(u"CmndStorno"_s, u"&Strono"_s, u"Cancel"_s, [this] { reject(); });

    auto* sets = new QFormLayout;
    sets->addRow(CaptionFor(m_from, u"Z :"_s), m_from);
    sets->addRow(CaptionFor(m_to, u"Do :"_s), m_to);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sets);
    layout->addLayout(buttonRow({}, {m_ok, m_storno}));
}

void Convert::CheckConvertLengths() {
    m_ok->setEnabled(m_from->text().size() == m_to->text().size());
}

void Convert::translateSelection() {
    EditorSurface& surface = MainSurface();
    const std::optional<QString> translated =
        TranslateCharsOrTell(surface.selText(), m_from->text(), m_to->text());
    if (!translated)
        return;
    TransformSelection(surface, [&translated](const QString&) { return *translated; });
    hide();
}
