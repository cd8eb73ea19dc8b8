#pragma once

#include <QDialog>

class ClickableFrame;
class FrequencyGraphBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QTreeWidget;

// Character-frequency analysis of the document or of a typed text: the
// codes ranked by count in AnaList and a graph of counts over the codes in
// Pic, with a read-out of the code under the mouse and a search for one
// character in the table. "Podchycovat změny" analyses the document every
// two seconds while the window is shown.
class Analytic : public QDialog {
    Q_OBJECT
public:
    explicit Analytic(QWidget* owner = nullptr);

    // Counts, draws and lists text by the window's options.
    void AnalyzeText(const QString& text);

    [[nodiscard]] QRadioButton* Option1() const { return m_fromEditor; }
    [[nodiscard]] QRadioButton* Option2() const { return m_fromBox; }
    [[nodiscard]] QPlainTextEdit* Text1() const { return m_quickText; }
    [[nodiscard]] QCheckBox* Check1() const { return m_wide; }
    [[nodiscard]] QCheckBox* Check2() const { return m_ignoreBlank; }
    [[nodiscard]] QCheckBox* ChkAlternate() const { return m_lines; }
    [[nodiscard]] QCheckBox* Check3() const { return m_follow; }
    [[nodiscard]] QTimer* Timer1() const { return m_timer; }
    [[nodiscard]] QPushButton* Command1() const { return m_start; }
    [[nodiscard]] QPushButton* Command2() const { return m_close; }
    [[nodiscard]] QLineEdit* Text2() const { return m_searched; }
    [[nodiscard]] QPushButton* Command3() const { return m_search; }
    [[nodiscard]] QTreeWidget* AnaList() const { return m_list; }
    [[nodiscard]] FrequencyGraphBox* Pic() const { return m_graph; }
    [[nodiscard]] QLabel* Label2() const { return m_position; }
    [[nodiscard]] ClickableFrame* Picture2() const { return m_frame; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void analyseSource();
    void quickTextChanged();
    void followChanges();
    void showPosition(int x);
    void search();

    QRadioButton* m_fromEditor = nullptr;
    QRadioButton* m_fromBox = nullptr;
    QPlainTextEdit* m_quickText = nullptr;
    QCheckBox* m_wide = nullptr;
    QCheckBox* m_ignoreBlank = nullptr;
    QCheckBox* m_lines = nullptr;
    QCheckBox* m_follow = nullptr;
    QTimer* m_timer = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_close = nullptr;
    QLineEdit* m_searched = nullptr;
    QPushButton* m_search = nullptr;
    QTreeWidget* m_list = nullptr;
    ClickableFrame* m_frame = nullptr;
    FrequencyGraphBox* m_graph = nullptr;
    QLabel* m_position = nullptr;
};
