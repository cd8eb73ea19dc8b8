#pragma once

#include "html/controls/HtmlDialog.h"

class QComboBox;

// The META tag picker: a sample line, a line made from the user's settings
// when the window was loaded, or any text typed into the box, inserted at
// the caret as it stands. Enter does not confirm here.
class Meta : public HtmlDialog {
    Q_OBJECT
public:
    explicit Meta(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    QComboBox* m_combo1 = nullptr;
};
