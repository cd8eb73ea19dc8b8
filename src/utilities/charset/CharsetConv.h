#pragma once

#include "utilities/text_tool_window.h"

#include <array>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Converts the Czech accented letters of the whole document from one code
// page to another. A click on a page option previews the conversion of the
// sample in TxtFrom; "&Ok" converts the document and hides.
class CharsetConv : public TextToolWindow {
    Q_OBJECT
public:
    explicit CharsetConv(QWidget* owner = nullptr);

    // The option of page index (1 to 5) in each group.
    [[nodiscard]] QRadioButton* OptFromCHS(int index) const { return m_from.at(index - 1); }
    [[nodiscard]] QRadioButton* OptToCHS(int index) const { return m_to.at(index - 1); }
    [[nodiscard]] QPlainTextEdit* TxtFrom() const { return m_sample; }
    [[nodiscard]] QPlainTextEdit* TxtTo() const { return m_preview; }
    [[nodiscard]] QPushButton* Command1() const { return m_ok; }
    [[nodiscard]] QPushButton* Command2() const { return m_storno; }

private:
    using Options = std::array<QRadioButton*, 5>;
    [[nodiscard]] QWidget* makeGroup(const QString& name, const QString& title,
                                     const QString& optionName, Options& options);
    // The page chosen in a group, kept in the tag of its first option.
    [[nodiscard]] static int chosenPage(const Options& options);
    void preview();
    void convertDocument();

    Options m_from{};
    Options m_to{};
    QPlainTextEdit* m_sample = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_storno = nullptr;
};
