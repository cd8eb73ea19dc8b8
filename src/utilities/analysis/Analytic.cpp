#include "utilities/analysis/Analytic.h"

#include "core/text/editor_surface.h"
#include "core/utilities/char_frequency.h"
#include "platform/named_control.h"
#include "platform/window_title.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"
#include "utilities/analysis/frequency_graph_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int RefreshMilliseconds = 2000;
constexpr int GraphWidth = 520;
constexpr int GraphHeight = 204;
constexpr int ProgressSteps = 7;
// Six rows of the table, which leaves the window low enough for a small screen.
constexpr int ListHeight = 132;

void Progress(int value) {
    ShowBusyProgress(value, ProgressSteps);
}

QString EditorText() {
    return MainForm::instance() ? MainSurface().text() : QString();
}

// A line break typed into the box is the program's CR LF, as in the editor.
QString BoxText(const QPlainTextEdit& box) {
    return box.toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace

Analytic::Analytic(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Analytic"));
    setWindowTitle(QStringLiteral("Analýza textu"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    KeepTitleWhole(*this);
    AnalyzeText(EditorText());
}

void Analytic::buildControls() {
    // Created in reading order, which is also the order Tab walks.
    auto* sourceCaption =
        MakeNamed<QLabel>(this, QStringLiteral("Label4"), {.text = QStringLiteral("Zdroj:")});
    m_fromEditor = MakeNamed<QRadioButton>(this, QStringLiteral("Option1"),
                                           {.text = QStringLiteral("hlavní okno")});
    m_fromEditor->setChecked(true);
    m_fromBox = MakeNamed<QRadioButton>(this, QStringLiteral("Option2"),
                                        {.text = QStringLiteral("rychlá analýza")});
    m_start = MakeNamed<QPushButton>(this, QStringLiteral("Command1"),
                                     {.text = QStringLiteral("&Start !")});
    m_close = MakeNamed<QPushButton>(this, QStringLiteral("Command2"),
                                     {.text = QStringLiteral("S&torno")});
    auto* quickCaption = MakeNamed<QLabel>(this, QStringLiteral("Label3"),
                                           {.text = QStringLiteral("Rychlá analýza :")});
    m_quickText = MakeNamed<QPlainTextEdit>(this, QStringLiteral("Text1"));
    m_quickText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_quickText->setTabChangesFocus(true);
    m_quickText->setFixedHeight(56);
    m_wide = MakeNamed<QCheckBox>(
        this, QStringLiteral("Check1"),
        {.text = QStringLiteral("Široké"),
         .toolTip = QStringLiteral("Široké - zahrnuje 256 znaků, ůzké jen zákl. ascii")});
    m_wide->setChecked(true);
    m_ignoreBlank = MakeNamed<QCheckBox>(
        this, QStringLiteral("Check2"),
        {.text = QStringLiteral("Ignorovat mezery: \" \""),
         .toolTip = QStringLiteral("Ingnoruje mezery - nejčstější znak - při analýze")});
    m_lines = MakeNamed<QCheckBox>(this, QStringLiteral("ChkAlternate"),
                                   {.text = QStringLiteral("Graf 2")});
    m_follow =
        MakeNamed<QCheckBox>(this, QStringLiteral("Check3"),
                             {.text = QStringLiteral("Podchycovat změny"),
                              .toolTip = QStringLiteral("Rehresh při změně textu v intervalu 2s")});
    m_searched = MakeNamed<QLineEdit>(this, QStringLiteral("Text2"),
                                      {.toolTip = QStringLiteral("Jeden hledaný znak")});
    m_searched->setMaxLength(1);
    m_searched->setFixedWidth(36);
    m_search = MakeNamed<QPushButton>(this, QStringLiteral("Command3"),
                                      {.text = QStringLiteral("&Hledej")});
    m_search->setEnabled(false);
    for (QPushButton* button : {m_start, m_close, m_search})
        button->setAutoDefault(false);
    m_list = MakeNamed<QTreeWidget>(this, QStringLiteral("AnaList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({QStringLiteral("Číslo"), QStringLiteral("Počet"),
                             QStringLiteral("Procenta"), QStringLiteral("Ascii"),
                             QStringLiteral("Znak")});
    // Room for a percentage of 15 significant digits.
    const int columnWidths[] = {50, 70, 170, 50};
    for (int column = 0; column < 4; ++column)
        m_list->setColumnWidth(column, columnWidths[column]);
    m_list->header()->setStretchLastSection(true);
    m_list->setFixedHeight(ListHeight);
    m_frame = Named(new ClickableFrame(this), QStringLiteral("Picture2"));
    m_frame->setFrameShape(QFrame::Panel);
    m_frame->setFrameShadow(QFrame::Sunken);
    m_graph = Named(new FrequencyGraphBox(m_frame), QStringLiteral("Pic"));
    m_graph->setFixedSize(GraphWidth, GraphHeight);
    m_position = MakeNamed<QLabel>(this, QStringLiteral("Label2"));
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(RefreshMilliseconds);

    // The buttons share the lines of the source and of the options, so the
    // window stays low enough for a small screen beside the graph it must hold.
    auto* source = new QHBoxLayout;
    source->addWidget(sourceCaption);
    source->addWidget(m_fromEditor);
    source->addWidget(m_fromBox);
    source->addStretch();
    source->addWidget(m_start);
    source->addWidget(m_close);
    auto* quick = new QHBoxLayout;
    quick->addWidget(quickCaption, 0, Qt::AlignTop);
    quick->addWidget(m_quickText, 1);
    auto* options = new QHBoxLayout;
    for (QCheckBox* option : {m_wide, m_ignoreBlank, m_lines, m_follow})
        options->addWidget(option);
    options->addStretch();
    options->addWidget(m_searched);
    options->addWidget(m_search);
    auto* framed = new QVBoxLayout(m_frame);
    framed->setContentsMargins(4, 4, 4, 4);
    framed->addWidget(m_graph);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source);
    layout->addLayout(quick);
    layout->addLayout(options);
    layout->addWidget(m_list);
    layout->addWidget(m_frame);
    layout->addWidget(m_position);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             m_fromEditor, m_fromBox, m_wide, m_ignoreBlank, m_lines, m_start})
        connect(button, &QAbstractButton::clicked, this, &Analytic::analyseSource);
    connect(m_quickText, &QPlainTextEdit::textChanged, this, &Analytic::quickTextChanged);
    connect(m_follow, &QCheckBox::clicked, this, &Analytic::followChanges);
    connect(m_timer, &QTimer::timeout, this, [this] { AnalyzeText(EditorText()); });
    connect(m_searched, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_search->setEnabled(!text.isEmpty()); });
    connect(m_searched, &QLineEdit::returnPressed, this, [this] {
        if (m_search->isEnabled())
            search();
    });
    connect(m_search, &QPushButton::clicked, this, &Analytic::search);
    connect(m_graph, &FrequencyGraphBox::mouseMovedTo, this, &Analytic::showPosition);
    connect(m_frame, &ClickableFrame::clicked, m_position, &QLabel::clear);
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
}

void Analytic::AnalyzeText(const QString& text) {
    m_graph->clear();
    BusyScope busy(MainForm::instance(), QStringLiteral("Analyzuji text ..."));
    Progress(0);
    // An empty text leaves the table as it was.
    if (text.isEmpty())
        return;
    Progress(1);
    const CodeCounts counts = CountCodes(text);
    Progress(3);
    m_graph->draw(DrawFrequencies(counts, {.wide = m_wide->isChecked(),
                                           .ignoreBlank = m_ignoreBlank->isChecked(),
                                           .lines = m_lines->isChecked()}));
    Progress(5);
    const std::vector<FrequencyRow> rows = RankedFrequencies(counts, static_cast<int>(text.size()));
    Progress(6);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const FrequencyRow& row : rows)
        items << new QTreeWidgetItem({row.rank, row.count, row.percent, row.code, row.character});
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    m_list->addTopLevelItems(items);
    m_list->setUpdatesEnabled(true);
}

void Analytic::analyseSource() {
    AnalyzeText(m_fromEditor->isChecked() ? EditorText() : BoxText(*m_quickText));
}

void Analytic::quickTextChanged() {
    if (m_fromBox->isChecked()) {
        AnalyzeText(BoxText(*m_quickText));
        return;
    }
    m_fromBox->click();
}

void Analytic::followChanges() {
    // The timer runs only while the window is shown.
    if (m_follow->isChecked() && isVisible())
        m_timer->start();
    else
        m_timer->stop();
}

void Analytic::showPosition(int x) {
    if (const std::optional<QString> text = GraphPositionText(x, m_wide->isChecked())) {
        m_position->setText(*text);
        m_graph->setToolTip(*text);
    }
}

void Analytic::search() {
    const QString wanted = m_searched->text();
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (item->text(4) == wanted) {
            m_list->setCurrentItem(item);
            m_list->scrollToItem(item);
            return;
        }
    }
}

void Analytic::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    followChanges();
}

void Analytic::hideEvent(QHideEvent* event) {
    m_timer->stop();
    QDialog::hideEvent(event);
}

void Analytic::reject() {
    m_close->click();
}
