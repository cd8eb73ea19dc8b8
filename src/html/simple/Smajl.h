#pragma once

#include "html/controls/HtmlDialog.h"

#include <array>

class QComboBox;
class QLineEdit;

// The smiley builder: Text1 holds the smiley to insert at the caret; "GO!"
// builds it from the five part lists, "RND :-)" draws a random one, and the
// user may also type it.
class Smajl : public HtmlDialog {
    Q_OBJECT
public:
    explicit Smajl(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    void buildFromParts();
    void drawRandom();

    // Combo1 to Combo5: hat, eyes, nose, mouth, beard.
    std::array<QComboBox*, 5> m_parts{};
    QLineEdit* m_text1;
};
