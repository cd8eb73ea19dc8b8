#pragma once

#include "core/html/html_lists.h"
#include "core/html/row_list.h"
#include "html/controls/HtmlDialog.h"

class QLineEdit;
class QListWidget;
class QPushButton;

// The definition-list editor: pairs of a term and its definition, shown side
// by side in two lists that always select the same row. The pairs are one
// list, so the two columns can never fall out of step. Ok (Command3) writes
// the DL at the caret; the pairs stay for the next list.
class SeznamDef : public HtmlDialog {
    Q_OBJECT
public:
    explicit SeznamDef(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    void addPair();
    void removePair();
    void select(int row);
    void showPairs();

    RowList<DefinitionPair> m_pairs;
    QLineEdit* m_atribut = nullptr;
    QLineEdit* m_hodnota = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QListWidget* m_atributs = nullptr;
    QListWidget* m_values = nullptr;
};
