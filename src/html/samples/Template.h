#pragma once

#include "core/html/sample_documents.h"
#include "html/controls/HtmlDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The sample documents: a row chosen in the list is previewed, and "Ok" puts
// the previewed text in place of the whole document.
class Template : public HtmlDialog {
    Q_OBJECT
public:
    explicit Template(QWidget* owner = nullptr);

    // What the samples are filled with now: this moment's page head, the
    // user's name and address, and random text from the program's generator.
    [[nodiscard]] static SampleInputs CurrentInputs();

protected:
    void confirm() override;

private:
    void fillList();
    // Builds the row's sample afresh and shows it.
    void preview(const QTreeWidgetItem* item);

    QTreeWidget* m_list = nullptr; // ListView1
    QLabel* m_label1 = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
    QPushButton* m_command1 = nullptr;
    // The previewed text as built: the box would turn its CR LF into its own
    // line breaks.
    QString m_previewed;
};
