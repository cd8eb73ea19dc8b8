#include "utilities/selection/CaseMask.h"

#include "core/text/editor_procedures.h"
#include "core/utilities/selection_reshaping.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString Legend = u"U-Uppercase L-Lowercase R-Randomcase I-Invertcase P-Presentcase"_s;

} // namespace

CaseMask::CaseMask(QWidget* owner) : TextToolWindow(owner, u"CaseMask"_s, u"Maska Case"_s) {
    m_mask = MakeNamed<QLineEdit>(this, u"TxtMask"_s,
                                  {.text = u"ULRIP"_s, .toolTip = u"Syntax : "_s + Legend});
    m_mask->setFont(fixedPitchFont());
    connect(m_mask, &QLineEdit::textChanged, this, [this] { cleanMask(); });
    m_ok = makeButton(u"CmndOK"_s, u"&Ok"_s, u"OK!"_s, [this] { maskSelection(); });
    setDefaultButton(m_ok);
    m_storno = makeButton(u"CmndStorno"_s, u"&Storno"_s, u"Cancel!"_s, [this] { hide(); });

    auto* maskRow = new QHBoxLayout;
    auto* caption = new QLabel(u"Maska :"_s, this);
    caption->setBuddy(m_mask);
    maskRow->addWidget(caption);
    maskRow->addWidget(m_mask);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(maskRow);
    layout->addWidget(new QLabel(Legend, this));
    layout->addLayout(buttonRow({}, {m_ok, m_storno}));
}

void CaseMask::cleanMask() {
    const QString clean = CleanCaseMask(m_mask->text());
    if (clean != m_mask->text()) {
        const int cursor = m_mask->cursorPosition();
        m_mask->setText(clean);
        m_mask->setCursorPosition(std::min(cursor, static_cast<int>(clean.size())));
    }
    m_ok->setEnabled(!clean.isEmpty());
}

void CaseMask::maskSelection() {
    const QString mask = m_mask->text();
    TransformSelection(MainSurface(),
                       [&mask](const QString& text) { return MaskCase(text, mask); });
}
