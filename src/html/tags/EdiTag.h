#pragma once

#include "html/controls/HtmlDialog.h"

class AttributePairEditor;
class EditorSurface;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The tag editor: finds the tag the caret stands in, selects it, splits it
// into its name (Text1) and attribute pairs, and on "Ok" (Command3) writes
// the rebuilt tag over it. Three aids fill the value box: a percentage
// (HScroll1), a colour (Command5) and a file address (Command6, relative
// with Check1). Unlike the other HTML dialogs it lives for one use only.
class EdiTag : public HtmlDialog {
    Q_OBJECT
public:
    explicit EdiTag(QWidget* owner = nullptr);

    // Reads the tag at the caret of surface and selects it. Without a tag
    // the user is told so and the selection stays; "Ok" then writes the tag
    // typed into the empty window over it, or nothing if none was typed.
    void load(EditorSurface& surface);

    [[nodiscard]] AttributePairEditor* pairs() const { return m_pairs; }

protected:
    void confirm() override;

private:
    void chooseFile();

    QLineEdit* m_text1;
    AttributePairEditor* m_pairs;
    QScrollBar* m_hscroll1;
    QPushButton* m_command5;
    QPushButton* m_command6;
    QCheckBox* m_check1;
    bool m_tagFound = false;
    // The closing "/" of the tag read, written back after the pairs.
    QString m_ending;
};

// Opens the tag editor modal over the main window, on its document, and
// destroys it when it closes.
void EditTag();
