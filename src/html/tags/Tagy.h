#pragma once

#include "core/html/html_menu_texts.h"
#include "html/controls/HtmlDialog.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

// The custom tag builder, as far as the repeat command needs it: the tag
// name TagText, the paired-tag box Check1 and the attribute names and values
// Atributs and Values, row by row. It starts with the name "TAG", unpaired
// and without attributes.
class Tagy : public HtmlDialog {
    Q_OBJECT
public:
    explicit Tagy(QWidget* owner = nullptr);

    // The tag the controls describe now.
    [[nodiscard]] CustomTag customTag() const;

    [[nodiscard]] QLineEdit* TagText() const { return m_tagText; }
    [[nodiscard]] QCheckBox* Check1() const { return m_check1; }
    [[nodiscard]] QListWidget* Atributs() const { return m_atributs; }
    [[nodiscard]] QListWidget* Values() const { return m_values; }

protected:
    void confirm() override;

private:
    QLineEdit* m_tagText;
    QCheckBox* m_check1;
    QListWidget* m_atributs;
    QListWidget* m_values;
};

// Writes the tag the builder holds (made hidden with its first values if it
// is not loaded): a paired tag around the selection, else the opening tag
// before it. A tag without a name writes nothing.
void InsertCustomTag();
