#pragma once

#include "core/html/html_form.h"
#include "core/html/row_list.h"
#include "core/settings/window_setups.h"
#include "html/controls/HtmlDialog.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTreeWidget;

// The form builder, on four pages: the FORM with its element list, and the
// INPUT, TEXTAREA and SELECT pages that build one element each. In the form
// mode each element's add button appends it to the list and Ok (CmndOK)
// writes the whole FORM over the selection. In a single-element mode the
// window stays on one page with the other tabs locked, and the page's add
// button, captioned "&Ok", writes its element over the selection at once.
class HtmlForm : public HtmlDialog {
    Q_OBJECT
public:
    explicit HtmlForm(QWidget* owner = nullptr);

    // Brings the set-up's tab to the front, locks or frees the tab strip and
    // sets the add buttons' captions it names.
    void applySetup(const FormBuilderSetup& setup);

protected:
    // Writes the FORM (CmndOK).
    void confirm() override;
    void showEvent(QShowEvent* event) override;

private:
    [[nodiscard]] QWidget* buildFormPage();
    [[nodiscard]] QWidget* buildInputPage();
    [[nodiscard]] QWidget* buildTextAreaPage();
    [[nodiscard]] QWidget* buildSelectPage();
    // The check box, scroll bar and value label of one numeric attribute.
    struct NumberControls {
        QCheckBox* box = nullptr;
        QScrollBar* bar = nullptr;
        QLabel* label = nullptr;
    };
    [[nodiscard]] NumberControls makeNumber(QWidget* page, const QString& boxName,
                                            const QString& caption, const QString& toolTip,
                                            const QString& barName, const QString& labelName);
    // Box, bar and label in the first three columns of the row.
    static void addNumberRow(QGridLayout* layout, int row, const NumberControls& number);
    [[nodiscard]] QPushButton* makeAddButton(QWidget* page, const QString& name);
    [[nodiscard]] QPushButton* makeCancelButton(QWidget* page, const QString& name);

    void showControlsOfType(const QString& type);
    void chooseImage();
    void addOption();
    void deleteOption();
    [[nodiscard]] RowList<FormOption> options() const;
    void showOptions(const RowList<FormOption>& rows);
    // Hands a built element on: straight into the editor in a single-element
    // mode, else to the end of the element list.
    void passOn(QPushButton* addButton, const QString& element);
    // Locked, only the current tab can be chosen.
    void lockTabs(bool locked);
    // Enter confirms the element of a single-element page, else the form;
    // gives the button it chose.
    QPushButton* updateDefaultButton();

    [[nodiscard]] FormInputValues inputValues() const;
    [[nodiscard]] FormTextAreaValues textAreaValues() const;
    [[nodiscard]] FormSelectValues selectValues() const;
    [[nodiscard]] FormValues formValues() const;

    QTabWidget* m_tabs = nullptr;

    QLineEdit* m_txtAction = nullptr;
    QLineEdit* m_txtFormName = nullptr;
    QRadioButton* m_optMethodPost = nullptr;
    QPushButton* m_chkEnctype = nullptr;
    QListWidget* m_lstElements = nullptr;
    QPushButton* m_cmndOk = nullptr;

    QComboBox* m_cmbType = nullptr;
    QLineEdit* m_txtInputName = nullptr;
    QLineEdit* m_txtValue = nullptr;
    NumberControls m_size;
    NumberControls m_maxLength;
    QCheckBox* m_chkChecked = nullptr;
    QPushButton* m_cmndImage = nullptr;
    QLineEdit* m_lblImage = nullptr;
    QCheckBox* m_chkAccept = nullptr;
    QLineEdit* m_txtAccept = nullptr;
    QPushButton* m_cmndAddInput = nullptr;

    QLineEdit* m_txtTaName = nullptr;
    QPlainTextEdit* m_txtTextArea = nullptr;
    NumberControls m_rows;
    NumberControls m_cols;
    QPushButton* m_cmndAddTextArea = nullptr;

    QLineEdit* m_txtSelectName = nullptr;
    NumberControls m_height;
    QCheckBox* m_chkMultiple = nullptr;
    QLineEdit* m_txtOptionText = nullptr;
    QLineEdit* m_txtOptionValue = nullptr;
    QTreeWidget* m_lstOption = nullptr;
    QPushButton* m_cmndAddSelect = nullptr;
};

// The menu's form commands: the one form builder, set up and shown.
void OpenHtmlForm(const FormBuilderSetup& setup);
