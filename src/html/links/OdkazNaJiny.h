#pragma once

#include "core/html/html_link_tags.h"
#include "html/controls/HtmlDialog.h"

class FilePickerGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// A link to another document: a file chosen on the disk (Option1) or a
// typed address (Option2), with an optional anchor, target frame and title.
// It wraps the selection; with nothing selected the address itself becomes
// the link's text.
class OdkazNaJiny : public HtmlDialog {
    Q_OBJECT
public:
    explicit OdkazNaJiny(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    // Ok needs something to point at: a chosen file, or a typed address.
    void updateOk();
    void rebuildAutoTitle();
    [[nodiscard]] LinkValues values() const;

    QRadioButton* m_option1;
    FilePickerGroup* m_picker;
    QCheckBox* m_chkAutoAlt;
    QRadioButton* m_option2;
    QLineEdit* m_text1;
    QCheckBox* m_check1;
    QLineEdit* m_text2;
    QCheckBox* m_check3;
    QComboBox* m_combo2;
    QCheckBox* m_check2;
    QLineEdit* m_text3;
    QPushButton* m_command1;
};
