#pragma once

#include "core/utilities/number_bases.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;

// The converter between binary, octal, decimal and hexadecimal numbers, which
// also shows the Roman numeral. Each field has its own keys, "<<" and
// "Převeď"; converting one field fills the others. Closing it from the title
// bar unloads it, so the next opening starts afresh.
class Prev : public QDialog {
    Q_OBJECT
public:
    explicit Prev(QWidget* owner = nullptr);

    [[nodiscard]] QLineEdit* field(NumberBase base) const;
    [[nodiscard]] QLineEdit* Label8() const { return m_roman; }
    // The key of a field that types character.
    [[nodiscard]] QPushButton* digitKey(NumberBase base, QChar character) const;
    // The "<<" and "Převeď" keys of a field.
    [[nodiscard]] QPushButton* backspaceKey(NumberBase base) const;
    [[nodiscard]] QPushButton* convertKey(NumberBase base) const;

protected:
    // The window has no cancel key: Esc does nothing.
    void reject() override {}
    void closeEvent(QCloseEvent* event) override;

private:
    struct Row {
        NumberBase base;
        QLineEdit* field = nullptr;
        QList<QPushButton*> keys;
        QPushButton* backspace = nullptr;
        QPushButton* convert = nullptr;
    };

    void addRow(NumberBase base);
    [[nodiscard]] const Row& row(NumberBase base) const;
    void convertFrom(NumberBase base);

    QList<Row> m_rows;
    QLineEdit* m_roman = nullptr;
};
