#pragma once

#include "core/html/html_menu_texts.h"
#include "core/settings/window_setups.h"
#include "html/controls/HtmlDialog.h"

class AttributePairEditor;
class QCheckBox;
class QLineEdit;

// The custom tag builder: a tag of any name (TagText) with a list of
// attribute pairs, optionally closed around the selection (Check1); or, in
// the attributes mode, the attribute list alone, to be typed into a tag
// already in the document. The pairs survive hiding and a change of mode.
// It starts with the name "TAG", unpaired and without attributes.
class Tagy : public HtmlDialog {
    Q_OBJECT
public:
    explicit Tagy(QWidget* owner = nullptr);

    // Sets the caption and whether the name and the end-tag box take part,
    // then shows the window modeless; everything else stays as it was left.
    void showInMode(CustomTagMode mode);

    // The tag the controls describe now.
    [[nodiscard]] CustomTag customTag() const;

    [[nodiscard]] AttributePairEditor* pairs() const { return m_pairs; }

protected:
    void confirm() override;

private:
    QLineEdit* m_tagText;
    QCheckBox* m_check1;
    AttributePairEditor* m_pairs;
};

// Writes the tag the builder holds (made hidden with its first values if it
// is not loaded): a paired tag around the selection, else the opening tag
// before it.
void InsertCustomTag();
