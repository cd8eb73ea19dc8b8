#pragma once

#include "shell/files/FileWindow.h"

class ElidingLabel;
class QComboBox;
class QLineEdit;

// The program's own save window "Uložit": drive, folder and file lists, a
// name and an extension composed into the target path; Save writes the
// editor's text there as the current document. Hidden, not closed, after use,
// so the target lasts.
class Uloz : public FileWindow {
    Q_OBJECT
public:
    explicit Uloz(QWidget* parent = nullptr);

    // Shows the document at path: its drive, folder, name and extension,
    // the path itself, and Save enabled.
    void presetDocument(const QString& path);
    [[nodiscard]] QLineEdit* Text3() const { return m_text3; }
    [[nodiscard]] QLineEdit* Text1() const { return m_text1; }
    [[nodiscard]] QComboBox* Text2() const { return m_text2; }
    [[nodiscard]] ElidingLabel* Label1() const { return m_label1; }

private:
    void buildLists();
    void buildNameFields();
    // Enables Save and composes the target path anew.
    void targetChanged();
    void fileClicked(const QString& name);
    void save();

    QLineEdit* m_text3 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QComboBox* m_text2 = nullptr;
    ElidingLabel* m_label1 = nullptr;
};
