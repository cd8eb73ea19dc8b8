#include "utilities/charset/CharsetConv.h"

#include "core/text/editor_procedures.h"
#include "core/utilities/czech_code_pages.h"
#include "platform/named_control.h"
#include "platform/window_registry.h"
#include "shell/shared_procedures.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The box's text as typed: the plain-text reading would turn a no-break
// space, a letter's code in some pages, into a blank.
QString TypedText(const QPlainTextEdit* box) {
    return box->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

} // namespace

CharsetConv::CharsetConv(QWidget* owner)
    : TextToolWindow(owner, u"CharsetConv"_s, u"Konverze znakové sady ČJ"_s) {
    QWidget* from = makeGroup(u"Frame1"_s, u" Z "_s, u"OptFromCHS"_s, m_from);
    QWidget* to = makeGroup(u"Frame2"_s, u" Do "_s, u"OptToCHS"_s, m_to);
    const auto sampleBox = [this](const QString& name, const QString& toolTip, bool readOnly) {
        QPlainTextEdit* box = makeTextBox(name, readOnly);
        box->setToolTip(toolTip);
        box->setFixedHeight(box->fontMetrics().lineSpacing() * 4);
        return box;
    };
    m_sample = sampleBox(u"TxtFrom"_s, u"Sen napšte vzorek"_s, false);
    m_sample->setPlainText(u"Žluťoučký kůň úpěl ďábelské ódy."_s);
    m_preview = sampleBox(u"TxtTo"_s, u"Tady se objeví výsledek"_s, true);
    m_ok = makeButton(u"Command1"_s, u"&Ok"_s, {}, [this] { convertDocument(); });
    setDefaultButton(m_ok);
    m_storno = makeButton(u"Command2"_s, u"&Storno"_s, {}, [this] { reject(); });

    auto* samples = new QHBoxLayout;
    samples->addWidget(m_sample);
    samples->addWidget(m_preview);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(from);
    layout->addWidget(to);
    layout->addLayout(samples);
    layout->addLayout(buttonRow({}, {m_ok, m_storno}));
}

QWidget* CharsetConv::makeGroup(const QString& name, const QString& title,
                                const QString& optionName, Options& options) {
    auto* group = MakeNamed<QGroupBox>(this, name);
    group->setTitle(title);
    auto* row = new QHBoxLayout(group);
    for (int index = 1; index <= CzechCodePageCount; ++index) {
        const QString caption = QString::fromUtf16(CzechCodePageCaptions.at(index - 1));
        // The options of a group share its name and differ by Index.
        auto* option = MakeNamed<QRadioButton>(group, optionName, {.text = caption});
        option->setProperty("Index", index);
        connect(option, &QRadioButton::clicked, this, [this, &options, index] {
            SetWindowTag(options.front(), QString::number(index));
            preview();
        });
        options.at(index - 1) = option;
        row->addWidget(option);
    }
    options.front()->setChecked(true);
    SetWindowTag(options.front(), u"1"_s);
    return group;
}

int CharsetConv::chosenPage(const Options& options) {
    return WindowTag(options.front()).toInt();
}

void CharsetConv::preview() {
    m_preview->setPlainText(
        ConvertCzechCodePage(TypedText(m_sample), chosenPage(m_from), chosenPage(m_to)));
}

void CharsetConv::convertDocument() {
    const int from = chosenPage(m_from);
    const int to = chosenPage(m_to);
    ReplaceAllText(MainSurface(), [from, to](const QString& text) {
        return ConvertCzechCodePage(text, from, to);
    });
    hide();
}
