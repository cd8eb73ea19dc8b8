#pragma once

#include <QDialog>

class QFormLayout;
class QPushButton;

// A small window of a file's details: name, folder, type, size, owner,
// permissions and dates. One instance shows the file it was last given.
class FileProperties : public QDialog {
    Q_OBJECT
public:
    explicit FileProperties(QWidget* parent = nullptr);

    // Shows the details of the file at path; a file that is gone shows why.
    void showFile(const QString& path);

    [[nodiscard]] QFormLayout* rows() const { return m_rows; }
    [[nodiscard]] QPushButton* CmndOK() const { return m_ok; }

private:
    void clearRows();

    QFormLayout* m_rows = nullptr;
    QPushButton* m_ok = nullptr;
};
