#pragma once

#include "core/colour/colour_rule_editing.h"
#include "core/colour/colour_rule_set.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// The rule-set editor. It edits the program's current set and matching
// options in place (Program().ColorRules and ColorOptions), so hiding or
// unloading it loses nothing; of its own it keeps only the rule being typed
// (Text1, Text2 and the colour of Picture1) and which rule is current.
class ColorControl : public QWidget {
    Q_OBJECT
public:
    explicit ColorControl(QWidget* parent = nullptr);

    // Enables or disables the nine buttons that act on rules: update,
    // delete, the four moves, save, save as and apply.
    void EnableRuleButtons(bool enabled);

    // Shows the program's set and options again, for when something else
    // loaded or saved it. The current rule stays when the rules are the
    // same; otherwise the first rule becomes current.
    void ShowRuleSet();

    // The current rule's 0-based index, or NoCurrentRule without rules.
    [[nodiscard]] int currentRule() const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRuleList();
    void buildRuleEntries();
    void buildRuleButtons();
    void buildSetEntries();
    void buildFileButtons();
    void layOut();

    void showSet(int current);
    void showRules(int current);
    void showColor(QLabel* box, ColorValue color);
    void limitOnChange(QPlainTextEdit* entry, qsizetype maxLength, int position);
    void pickColor(QLabel* box);

    [[nodiscard]] RuleList ruleList() const;
    void commit(const RuleList& list);
    // The typed rule, its empty end text filled; none (after telling the
    // user) without a start text.
    [[nodiscard]] std::optional<ColorRule> typedRule();
    void message(const QString& text);

    void add();
    void update();
    void deleteRule();
    void clearRules();
    void load();
    void save();
    void saveAs();
    void apply();
    void afterSave();
    void takeClickedRule(int index);

    // What the controls show of the program's set, to tell its changes from
    // the user's.
    ColorRuleSet m_shown;
    ColorValue m_editedColor;
    bool m_showing = false;

    QTreeWidget* m_listView1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QLabel* m_picture1 = nullptr;
    QLabel* m_picture2 = nullptr;
    QLabel* m_picture3 = nullptr;
    QPlainTextEdit* m_text3 = nullptr;
    QPlainTextEdit* m_text4 = nullptr;
    QCheckBox* m_chkDifferCase = nullptr;
    QCheckBox* m_chkSelection = nullptr;
    QLabel* m_label1 = nullptr;

    QPushButton* m_cmndAdd = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command6 = nullptr;
    QPushButton* m_command7 = nullptr;
    QPushButton* m_command11 = nullptr;
    QPushButton* m_command10 = nullptr;
    QPushButton* m_command12 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command8 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command9 = nullptr;
};
