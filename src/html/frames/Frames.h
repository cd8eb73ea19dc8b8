#pragma once

#include "core/html/html_frames.h"
#include "html/controls/HtmlDialog.h"

class QCheckBox;
class QLineEdit;

// Turns the whole document into a frameset page, with the old text inside
// NOFRAMES, selected.
class Frames : public HtmlDialog {
    Q_OBJECT
public:
    explicit Frames(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    [[nodiscard]] FramesetValues values() const;

    QLineEdit* m_text3 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QLineEdit* m_text2 = nullptr;
};
