#include "colour/ColorControl.h"

#include "colour/ApplyColorSet.h"
#include "colour/PickColor.h"
#include "core/colour/colour_text.h"
#include "platform/colour_palette.h"
#include "platform/message_box.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/tab_order.h"
#include "platform/window_ownership.h"
#include "shell/ProgramState.h"
#include "shell/files/colour_rule_files.h"
#include "shell/files/file_dialogs.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int ColorBoxSize = 24;
constexpr int ArrowSize = 16;
constexpr qsizetype RuleTextLength = ColorRuleTextSize;
constexpr qsizetype AuthorLength = ColorRuleAuthorSize;

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& toolTip) {
    return MakeNamed<QPushButton>(parent, name, {.text = caption, .toolTip = toolTip});
}

enum class Arrow { Up, Down, ToStart, ToEnd };

// A small triangle pointing up or down, with a bar across its tip for the
// moves to either end of the list.
[[nodiscard]] QIcon arrowIcon(Arrow arrow, const QColor& color) {
    QPixmap pixmap(ArrowSize, ArrowSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const bool up = arrow == Arrow::Up || arrow == Arrow::ToStart;
    const qreal tip = up ? 3 : ArrowSize - 3;
    const qreal base = up ? ArrowSize - 4 : 4;
    QPainterPath triangle;
    triangle.moveTo(ArrowSize / 2.0, tip);
    triangle.lineTo(ArrowSize - 3, base);
    triangle.lineTo(3, base);
    triangle.closeSubpath();
    painter.drawPath(triangle);
    if (arrow == Arrow::ToStart || arrow == Arrow::ToEnd)
        painter.drawRect(QRectF(3, up ? 1 : ArrowSize - 3, ArrowSize - 6, 2));
    return QIcon(pixmap);
}

QPushButton* makeArrowButton(QWidget* parent, const QString& name, Arrow arrow,
                             const QString& toolTip) {
    auto* button = MakeNamed<QPushButton>(parent, name, {.toolTip = toolTip});
    button->setIcon(arrowIcon(arrow, parent->palette().color(QPalette::ButtonText)));
    return button;
}

QLabel* makeColorBox(QWidget* parent, const QString& name, const QString& toolTip) {
    auto* box = MakeNamed<QLabel>(parent, name, {.toolTip = toolTip});
    box->setFixedSize(ColorBoxSize, ColorBoxSize);
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

QPlainTextEdit* makeMultiLineEntry(QWidget* parent, const QString& name, const QString& toolTip) {
    auto* entry = MakeNamed<QPlainTextEdit>(parent, name, {.toolTip = toolTip});
    entry->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    entry->setTabChangesFocus(true);
    return entry;
}

// The row of a rule: its colour as #RRGGBB, drawn in that colour, then the
// start and end texts.
[[nodiscard]] QTreeWidgetItem* ruleRow(const ColorRule& rule) {
    auto* item = new QTreeWidgetItem({ColorToHex(rule.Color), rule.StartText, rule.EndText});
    item->setForeground(0, ToQColor(rule.Color));
    return item;
}

} // namespace

ColorControl::ColorControl(QWidget* parent)
    : QWidget(parent, ModelessWindowFlags(parent)), m_editedColor(RgbColor(255, 0, 0)) {
    setObjectName(QStringLiteral("ColorControl"));
    setWindowTitle(QStringLiteral("Správa barevného zvýraznění"));
    buildRuleList();
    buildRuleEntries();
    buildRuleButtons();
    buildSetEntries();
    buildFileButtons();
    layOut();
    showColor(m_picture1, m_editedColor);
    showSet(0);
}

void ColorControl::buildRuleList() {
    m_listView1 = MakeNamed<QTreeWidget>(this, QStringLiteral("ListView1"));
    m_listView1->setHeaderLabels(
        {QStringLiteral("Barva"), QStringLiteral("Začátek"), QStringLiteral("Konec")});
    m_listView1->setRootIsDecorated(false);
    m_listView1->setUniformRowHeights(true);
    m_listView1->setAllColumnsShowFocus(true);
    m_listView1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView1->header()->setSectionsMovable(false);
    connect(m_listView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        takeClickedRule(m_listView1->indexOfTopLevelItem(item));
    });
}

void ColorControl::buildRuleEntries() {
    m_text1 = MakeNamed<QLineEdit>(this, QStringLiteral("Text1"),
                                   {.toolTip = QStringLiteral("Začátek zvýrazněného textu")});
    m_text2 = MakeNamed<QLineEdit>(this, QStringLiteral("Text2"),
                                   {.toolTip = QStringLiteral("Konec zvýrazněného textu")});
    m_text1->setMaxLength(RuleTextLength);
    m_text2->setMaxLength(RuleTextLength);
    m_picture1 =
        makeColorBox(this, QStringLiteral("Picture1"), QStringLiteral("Barva, klikni pro editaci"));
}

void ColorControl::buildRuleButtons() {
    m_cmndAdd = makeButton(this, QStringLiteral("CmndAdd"), QStringLiteral("&Add"),
                           QStringLiteral("Přidá novou položku"));
    m_command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("&Update"),
                            QStringLiteral("Updatuje vybranou položku"));
    m_command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("&Delete"),
                            QStringLiteral("Odstraní vybranou položku"));
    m_command6 = makeArrowButton(this, QStringLiteral("Command6"), Arrow::Up,
                                 QStringLiteral("Posun výběru nahoru"));
    m_command7 = makeArrowButton(this, QStringLiteral("Command7"), Arrow::Down,
                                 QStringLiteral("Posun výběru dolu"));
    m_command11 = makeArrowButton(this, QStringLiteral("Command11"), Arrow::ToStart,
                                  QStringLiteral("Posun výběru na začátek"));
    m_command10 = makeArrowButton(this, QStringLiteral("Command10"), Arrow::ToEnd,
                                  QStringLiteral("Posun výběru na konec"));
    m_command12 = makeButton(this, QStringLiteral("Command12"), QStringLiteral("&Vymaž vše"),
                             QStringLiteral("Vynuluje nastavení barev"));

    connect(m_cmndAdd, &QPushButton::clicked, this, &ColorControl::add);
    connect(m_command1, &QPushButton::clicked, this, &ColorControl::update);
    connect(m_command4, &QPushButton::clicked, this, &ColorControl::deleteRule);
    connect(m_command6, &QPushButton::clicked, this, [this] { commit(MoveRuleUp(ruleList())); });
    connect(m_command7, &QPushButton::clicked, this, [this] { commit(MoveRuleDown(ruleList())); });
    connect(m_command11, &QPushButton::clicked, this,
            [this] { commit(MoveRuleToStart(ruleList())); });
    connect(m_command10, &QPushButton::clicked, this,
            [this] { commit(MoveRuleToEnd(ruleList())); });
    connect(m_command12, &QPushButton::clicked, this, &ColorControl::clearRules);
}

void ColorControl::buildSetEntries() {
    m_picture2 = makeColorBox(this, QStringLiteral("Picture2"),
                              QStringLiteral("Defaultní barva textu, klikni pro editaci"));
    m_picture3 =
        makeColorBox(this, QStringLiteral("Picture3"), QStringLiteral("Defaultní pozadí textu"));
    for (QLabel* box : {m_picture1, m_picture2, m_picture3})
        box->installEventFilter(this);

    m_text3 = makeMultiLineEntry(this, QStringLiteral("Text3"), QStringLiteral("Popis"));
    m_text4 = makeMultiLineEntry(this, QStringLiteral("Text4"), QStringLiteral("Autor"));
    const std::pair<QPlainTextEdit*, qsizetype> limited[] = {{m_text3, RuleTextLength},
                                                             {m_text4, AuthorLength}};
    for (const auto& [entry, maxLength] : limited) {
        connect(entry->document(), &QTextDocument::contentsChange, this,
                [this, entry, maxLength](int position, int, int) {
                    limitOnChange(entry, maxLength, position);
                });
    }

    m_chkDifferCase =
        MakeNamed<QCheckBox>(this, QStringLiteral("ChkDifferCase"),
                             {.text = QStringLiteral("Rozlišuj velké/malé"),
                              .toolTip = QStringLiteral("Rozlišuj velká a malá písmena (A/a)")});
    m_chkSelection =
        MakeNamed<QCheckBox>(this, QStringLiteral("ChkSelection"),
                             {.text = QStringLiteral("Výběr"),
                              .toolTip = QStringLiteral("zvýrazni pouze výběr, nebo všechno")});
    connect(m_chkDifferCase, &QCheckBox::toggled, this,
            [this](bool on) { Program().ColorOptions.DifferCase = on; });
    connect(m_chkSelection, &QCheckBox::toggled, this,
            [this](bool on) { Program().ColorOptions.SelectionOnly = on; });

    m_label1 = MakeNamed<QLabel>(this, QStringLiteral("Label1"),
                                 {.toolTip = QStringLiteral("cesta k souboru")});
    m_label1->setTextFormat(Qt::PlainText);
}

void ColorControl::buildFileButtons() {
    m_command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("&Nahrát"),
                            QStringLiteral("Otevře nastavení barev"));
    m_command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("&Uložit"),
                            QStringLiteral("Uloží nastavení barev"));
    m_command8 = makeButton(this, QStringLiteral("Command8"), QStringLiteral("Uložit &jako"),
                            QStringLiteral("Uloží nastavení barev"));
    m_command5 = makeButton(this, QStringLiteral("Command5"), QStringLiteral("&Zvýrazni"),
                            QStringLiteral("Použij"));
    m_command9 = makeButton(this, QStringLiteral("Command9"), QStringLiteral("Za&vři"), {});
    connect(m_command3, &QPushButton::clicked, this, &ColorControl::load);
    connect(m_command2, &QPushButton::clicked, this, &ColorControl::save);
    connect(m_command8, &QPushButton::clicked, this, &ColorControl::saveAs);
    connect(m_command5, &QPushButton::clicked, this, &ColorControl::apply);
    connect(m_command9, &QPushButton::clicked, this, &QWidget::hide);
}

void ColorControl::layOut() {
    auto* moves = new QGridLayout;
    moves->addWidget(m_command6, 0, 0);
    moves->addWidget(m_command7, 0, 1);
    moves->addWidget(m_command11, 1, 0);
    moves->addWidget(m_command10, 1, 1);

    auto* ruleButtons = new QVBoxLayout;
    for (QPushButton* button : {m_cmndAdd, m_command1, m_command4})
        ruleButtons->addWidget(button);
    ruleButtons->addLayout(moves);
    ruleButtons->addStretch();
    ruleButtons->addWidget(m_command12);

    auto* rule = new QHBoxLayout;
    rule->addWidget(m_picture1);
    rule->addWidget(m_text1, 1);
    rule->addWidget(m_text2, 1);

    auto* rules = new QGridLayout;
    rules->addWidget(m_listView1, 0, 0);
    rules->addLayout(ruleButtons, 0, 1);
    rules->addLayout(rule, 1, 0);

    auto* colors = new QHBoxLayout;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_picture2, m_picture3, m_chkDifferCase, m_chkSelection})
        colors->addWidget(widget);
    colors->addStretch();

    auto* texts = new QHBoxLayout;
    texts->addWidget(m_text3);
    texts->addWidget(m_text4);

    auto* files = new QHBoxLayout;
    for (QPushButton* button : {m_command3, m_command2, m_command8, m_command5})
        files->addWidget(button);
    files->addStretch();
    files->addWidget(m_command9);

    auto* window = new QVBoxLayout(this);
    window->addLayout(rules, 1);
    window->addLayout(colors);
    window->addLayout(texts);
    window->addWidget(m_label1);
    window->addLayout(files);
}

void ColorControl::EnableRuleButtons(bool enabled) {
    for (QPushButton* button : {m_command1, m_command2, m_command4, m_command5, m_command6,
                                m_command7, m_command8, m_command10, m_command11})
        button->setEnabled(enabled);
}

void ColorControl::ShowRuleSet() {
    const bool sameRules = Program().ColorRules.Rules == m_shown.Rules;
    showSet(sameRules ? currentRule() : 0);
}

int ColorControl::currentRule() const {
    QTreeWidgetItem* item = m_listView1->currentItem();
    const int index = item == nullptr ? NoCurrentRule : m_listView1->indexOfTopLevelItem(item);
    return ValidCurrentRule(index, m_listView1->topLevelItemCount());
}

void ColorControl::showEvent(QShowEvent* event) {
    ShowRuleSet();
    SetReadingTabOrder(*this);
    QWidget::showEvent(event);
}

// Coming back to the window shows what a load or save elsewhere changed.
void ColorControl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ShowRuleSet();
    QWidget::changeEvent(event);
}

bool ColorControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (QLabel* box : {m_picture1, m_picture2, m_picture3}) {
            if (watched == box) {
                pickColor(box);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Writes only what differs from what is shown, so an entry being typed in
// keeps its cursor.
void ColorControl::showSet(int current) {
    const ColorRuleSet& set = Program().ColorRules;
    m_showing = true;
    showRules(current);
    showColor(m_picture2, set.DefaultTextColor);
    showColor(m_picture3, set.DefaultBackground);
    if (set.Description != m_shown.Description)
        m_text3->setPlainText(set.Description);
    if (set.Author != m_shown.Author)
        m_text4->setPlainText(set.Author);
    m_label1->setText(set.FilePath);
    m_shown = set;
    const ColorRuleOptions& options = Program().ColorOptions;
    m_chkDifferCase->setChecked(options.DifferCase);
    m_chkSelection->setChecked(options.SelectionOnly);
    m_showing = false;
}

void ColorControl::showRules(int current) {
    const QList<ColorRule>& rules = Program().ColorRules.Rules;
    const bool rebuild = rules != m_shown.Rules || m_listView1->topLevelItemCount() != rules.size();
    if (rebuild) {
        m_listView1->clear();
        QList<QTreeWidgetItem*> rows;
        rows.reserve(rules.size());
        for (const ColorRule& rule : rules)
            rows.append(ruleRow(rule));
        m_listView1->addTopLevelItems(rows);
        m_shown.Rules = rules;
    }
    EnableRuleButtons(!rules.isEmpty());
    const int index = ValidCurrentRule(current, rules.size());
    if (index == NoCurrentRule)
        return;
    // Coming back to an unchanged list leaves it scrolled where the user left it.
    QTreeWidgetItem* item = m_listView1->topLevelItem(index);
    if (!rebuild && m_listView1->currentItem() == item)
        return;
    m_listView1->setCurrentItem(item);
    m_listView1->scrollToItem(item);
}

void ColorControl::showColor(QLabel* box, ColorValue color) {
    PaintRole(box, QPalette::Window, color);
}

// Stores what the user changed in a description or author entry, refusing
// the end of an insertion that would make the stored text longer than its
// field in the file. The entry then shows exactly what is stored.
void ColorControl::limitOnChange(QPlainTextEdit* entry, qsizetype maxLength, int position) {
    if (m_showing)
        return;
    QTextDocument* document = entry->document();
    QString& shown = entry == m_text3 ? m_shown.Description : m_shown.Author;
    const EntryEdit edit = EditEntryText(shown, document->toRawText(), maxLength, position);
    if (edit.CutTo > edit.CutFrom) {
        QTextCursor cursor(document);
        cursor.setPosition(static_cast<int>(edit.CutFrom));
        cursor.setPosition(static_cast<int>(edit.CutTo), QTextCursor::KeepAnchor);
        m_showing = true;
        cursor.removeSelectedText();
        m_showing = false;
    }
    shown = edit.Stored;
    ColorRuleSet& set = Program().ColorRules;
    (entry == m_text3 ? set.Description : set.Author) = edit.Stored;
}

void ColorControl::pickColor(QLabel* box) {
    ColorRuleSet& set = Program().ColorRules;
    ColorValue& color = box == m_picture1   ? m_editedColor
                        : box == m_picture2 ? set.DefaultTextColor
                                            : set.DefaultBackground;
    color = PickColor(color);
    showColor(box, color);
    m_shown.DefaultTextColor = set.DefaultTextColor;
    m_shown.DefaultBackground = set.DefaultBackground;
}

RuleList ColorControl::ruleList() const {
    return {Program().ColorRules.Rules, currentRule()};
}

void ColorControl::commit(const RuleList& list) {
    Program().ColorRules.Rules = list.Rules;
    showRules(list.Current);
}

std::optional<ColorRule> ColorControl::typedRule() {
    if (m_text1->text().isEmpty()) {
        message(QStringLiteral("Vložte začínající skupinu znaků!"));
        return std::nullopt;
    }
    m_text2->setText(FilledEndText(m_text1->text(), m_text2->text()));
    return ColorRule{m_editedColor, m_text1->text(), m_text2->text()};
}

void ColorControl::message(const QString& text) {
    Platform().messageBox->show(
        {text, QStringLiteral("Barvy"), MessageBoxButtons::Ok, MessageBoxIcon::None}, this);
}

void ColorControl::add() {
    // A longer set would be saved, but no longer read back.
    if (Program().ColorRules.Rules.size() >= LargestColorRuleCount) {
        message(QStringLiteral("Sada barev má nejvýš %1 pravidel.").arg(LargestColorRuleCount));
        return;
    }
    if (const std::optional<ColorRule> rule = typedRule())
        commit(AddRule(ruleList(), *rule));
}

void ColorControl::update() {
    if (Program().ColorRules.Rules.isEmpty())
        return;
    if (const std::optional<ColorRule> rule = typedRule())
        commit(UpdateRule(ruleList(), *rule));
}

void ColorControl::deleteRule() {
    commit(DeleteRule(ruleList()));
}

// Only the rules go: colours, texts, options and the file path stay.
void ColorControl::clearRules() {
    commit({});
}

void ColorControl::load() {
    if (LoadColorSet(Program().ColorRules, {}, this))
        showSet(0);
}

void ColorControl::save() {
    const QString path = Program().ColorRules.FilePath;
    if (path.isEmpty()) {
        message(QStringLiteral("Není otevřený soubor"));
        return;
    }
    if (SaveColorSet(Program().ColorRules, path))
        afterSave();
}

void ColorControl::saveAs() {
    if (SaveColorSet(Program().ColorRules, ShowSaveDialog(ColorSetFilter, this)))
        afterSave();
}

void ColorControl::afterSave() {
    m_label1->setText(Program().ColorRules.FilePath);
    m_shown.FilePath = Program().ColorRules.FilePath;
    EnableRuleButtons(!Program().ColorRules.Rules.isEmpty());
}

void ColorControl::apply() {
    const ColorRuleOptions& options = Program().ColorOptions;
    ApplyColorSet(Program().ColorRules, options.SelectionOnly, !options.DifferCase);
}

// The clicked row becomes the rule being typed, read back as the row shows it.
void ColorControl::takeClickedRule(int index) {
    if (index < 0 || index >= m_shown.Rules.size())
        return;
    const ColorRule rule = RuleAsShown(m_shown.Rules.at(index));
    m_editedColor = rule.Color;
    showColor(m_picture1, m_editedColor);
    m_text1->setText(rule.StartText);
    m_text2->setText(rule.EndText);
}
