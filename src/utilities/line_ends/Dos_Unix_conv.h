#pragma once

#include "core/utilities/line_ends.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// Copies a chosen file with its line ends converted, from CR LF to LF or
// from LF to CR LF, beside the file; the file itself is never changed.
class Dos_Unix_conv : public QDialog {
    Q_OBJECT
public:
    explicit Dos_Unix_conv(QWidget* owner = nullptr);

    [[nodiscard]] QLineEdit* Text1() const { return m_path; }
    [[nodiscard]] QPushButton* Command4() const { return m_choose; }
    [[nodiscard]] QPushButton* Command1() const { return m_toUnix; }
    [[nodiscard]] QPushButton* Command2() const { return m_toDos; }
    [[nodiscard]] QPushButton* Command3() const { return m_close; }

protected:
    void reject() override;

private:
    void chooseFile();
    void convert(LineEndForm form);
    [[nodiscard]] bool mayReplace(const QString& outputPath);
    void report(const FileConversion& conversion);

    QLineEdit* m_path = nullptr;
    QPushButton* m_choose = nullptr;
    QPushButton* m_toUnix = nullptr;
    QPushButton* m_toDos = nullptr;
    QPushButton* m_close = nullptr;
};
