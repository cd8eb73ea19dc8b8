#pragma once

#include <QDialog>

class CharacterPreview;
class CodeGrid;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The character code table: the 256 codes of the code page as 16 by 16
// cells with the read-outs of the code under the mouse or on the scroll bar.
// A click in the table puts the character into the document, or its HTML
// reference, or collects it in Text1, which "Odešli" sends as one text.
// While "Přímo vkládát" is selected, characters typed in the window are
// typed into the document as well.
class AsciiKod : public QDialog {
    Q_OBJECT
public:
    explicit AsciiKod(QWidget* owner = nullptr);

    [[nodiscard]] CodeGrid* Picture1() const { return m_table; }
    [[nodiscard]] QComboBox* Combo1() const { return m_fonts; }
    [[nodiscard]] QScrollBar* HScroll1() const { return m_scroll; }
    [[nodiscard]] QLabel* Label1() const { return m_chosenCode; }
    [[nodiscard]] QLabel* Label2() const { return m_chosenCharacter; }
    [[nodiscard]] QLabel* Label6() const { return m_decimal; }
    [[nodiscard]] QLabel* Label7() const { return m_hexadecimal; }
    [[nodiscard]] QLabel* Label8() const { return m_html; }
    [[nodiscard]] QLabel* LblBin() const { return m_binary; }
    [[nodiscard]] CharacterPreview* Picture2() const { return m_preview; }
    [[nodiscard]] QRadioButton* Option1() const { return m_direct; }
    [[nodiscard]] QRadioButton* Option2() const { return m_htmlDirect; }
    [[nodiscard]] QRadioButton* Option3() const { return m_collect; }
    [[nodiscard]] QLineEdit* Text1() const { return m_collected; }
    [[nodiscard]] QPushButton* Command3() const { return m_add; }
    [[nodiscard]] QPushButton* Command4() const { return m_send; }
    [[nodiscard]] QPushButton* Command2() const { return m_close; }

protected:
    bool event(QEvent* event) override;
    // Key preview: a character typed in any control reaches the document too.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void chooseFont();
    void ShowCodeInfo(int code);
    void scrolled(int value);
    void insertCode(int code);
    void collect(const QString& text);
    void send();

    CodeGrid* m_table = nullptr;
    QComboBox* m_fonts = nullptr;
    QScrollBar* m_scroll = nullptr;
    QLabel* m_chosenCode = nullptr;
    QLabel* m_chosenCharacter = nullptr;
    QLabel* m_decimal = nullptr;
    QLabel* m_hexadecimal = nullptr;
    QLabel* m_html = nullptr;
    QLabel* m_binary = nullptr;
    CharacterPreview* m_preview = nullptr;
    QRadioButton* m_direct = nullptr;
    QRadioButton* m_htmlDirect = nullptr;
    QRadioButton* m_collect = nullptr;
    QLineEdit* m_collected = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_close = nullptr;
};
