#pragma once

#include "core/html/tag_editor.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QItemSelectionModel;
class QListView;
class QPushButton;
class QStandardItemModel;

// The group that edits a list of attribute names and values: the name box
// Atribut and the value box Hodnota, the lists Atributs (names) and Values
// (values), the add button Command1 and the remove button Command2. Both
// lists show one list of pairs with one selected row, so a name and its
// value can never fall out of step.
//
// In the full form (the tag editor) typing in a box edits the selected
// pair and a click on a row loads the pair into the boxes; in the reduced
// form (the custom tag builder) typing only enables the add button and a
// click only selects the pair.
class AttributePairEditor : public QWidget {
    Q_OBJECT
public:
    enum class Form { Full, Reduced };

    explicit AttributePairEditor(Form form, QWidget* parent = nullptr);

    [[nodiscard]] QList<AttributePair> pairs() const;
    void setPairs(const QList<AttributePair>& pairs);
    [[nodiscard]] QStringList names() const;
    [[nodiscard]] QStringList values() const;

    // The value box, which the value aids fill.
    [[nodiscard]] QComboBox* valueBox() const { return m_hodnota; }

private:
    [[nodiscard]] int selectedRow() const;
    [[nodiscard]] QStringList column(int column) const;
    // A box's text changed: it enables the add button and, in the full form,
    // becomes the selected pair's name or value.
    void boxEdited(int column, const QString& text);
    void rowClicked(int row);
    void add();
    void remove();

    Form m_form;
    QComboBox* m_atribut;
    QComboBox* m_hodnota;
    QStandardItemModel* m_pairs;
    QItemSelectionModel* m_selection;
    QListView* m_atributs;
    QListView* m_values;
    QPushButton* m_add;
    QPushButton* m_remove;
};
