#include "utilities/selection/ToolRap.h"

#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "core/utilities/selection_reshaping.h"
#include "platform/message_box.h"
#include "platform/named_control.h"
#include "shell/files/document_files.h"
#include "shell/shared_procedures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ToolRap::ToolRap(QWidget* owner) : TextToolWindow(owner, u"ToolRap"_s, u"Rap"_s) {
    m_count = MakeNamed<QSlider>(this, u"SldRapValue"_s, {.toolTip = u"Kolikrát rapovat?"_s});
    m_count->setOrientation(Qt::Horizontal);
    m_count->setRange(1, 100);
    m_count->setSingleStep(1);
    m_count->setPageStep(5);
    m_count->setMinimumWidth(200);
    m_countShown = MakeNamed<QLabel>(this, u"LblValue"_s, {.text = u"1"_s});
    m_countShown->setMinimumWidth(m_countShown->fontMetrics().horizontalAdvance(u"0000"_s));
    m_countShown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_count, &QSlider::valueChanged, m_countShown,
            [this](int value) { m_countShown->setText(QString::number(value)); });
    m_ok = makeButton(u"CmndOK"_s, u"&Ok"_s, u"OK"_s, [this] { repeatSelection(); });
    setDefaultButton(m_ok);
    m_storno = makeButton(u"Command1"_s, u"&Storno"_s, u"Cancel"_s, [this] { reject(); });

    auto* count = new QHBoxLayout;
    count->addWidget(m_count);
    count->addWidget(m_countShown);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(count);
    layout->addLayout(buttonRow({}, {m_ok, m_storno}));
}

void ToolRap::repeatSelection() {
    EditorSurface& surface = MainSurface();
    const int times = m_count->value();
    if (!RepetitionFits(surface.textLength(), surface.selLength(), times, LargestDocumentSize)) {
        ShowNotice(this,
                   u"Výběr nelze zopakovat %1krát: dokument by byl delší než %2 znaků, "
                   u"a ten by již nešlo otevřít."_s.arg(times)
                       .arg(LargestDocumentSize),
                   u"Rap"_s, MessageBoxIcon::Exclamation);
        return;
    }
    TransformSelection(surface, [times](const QString& text) { return RepeatText(text, times); });
    hide();
}
