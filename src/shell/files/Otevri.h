#pragma once

#include "shell/files/FileWindow.h"

#include <array>

class ElidingLabel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QToolButton;

// The program's own open window "Otevřít": drive, folder and file lists with
// a pattern, a preview of the chosen file and its information page; Open
// loads the file into the current tab after asking. Hidden, not closed, by
// Open, Storno and Esc, so what it shows lasts.
class Otevri : public FileWindow {
    Q_OBJECT
public:
    explicit Otevri(QWidget* parent = nullptr);

    [[nodiscard]] QComboBox* Text1() const { return m_text1; }
    [[nodiscard]] ElidingLabel* Label1() const { return m_label1; }
    [[nodiscard]] QTabBar* TabStrip1() const { return m_tabStrip1; }
    [[nodiscard]] QGroupBox* FrPre() const { return m_frPre; }
    [[nodiscard]] QGroupBox* FrInf() const { return m_frInf; }
    [[nodiscard]] QPlainTextEdit* Text2() const { return m_text2; }
    [[nodiscard]] QToolButton* Browzde() const { return m_browzde; }
    [[nodiscard]] QLabel* Label5() const { return m_label5; }
    [[nodiscard]] QLabel* Label7() const { return m_label7; }
    [[nodiscard]] QLabel* Label11() const { return m_label11; }
    // Check1 to Check4: read-only, hidden, system, archive.
    [[nodiscard]] QCheckBox* check(int number) const;
    [[nodiscard]] QPushButton* CmndInfo() const { return m_cmndInfo; }

private:
    void buildLists();
    void buildPreviewPage();
    void buildInformationPage();
    void showPage(int index);
    void fileClicked(const QString& name);
    // The preview and the information page before a file is read.
    void clearFileDetails();
    void readFileDetails(const QString& path);
    void openFile();
    void showProperties();

    QComboBox* m_text1 = nullptr;
    ElidingLabel* m_label1 = nullptr;
    QTabBar* m_tabStrip1 = nullptr;
    QGroupBox* m_frPre = nullptr;
    QGroupBox* m_frInf = nullptr;
    QPlainTextEdit* m_text2 = nullptr;
    QToolButton* m_browzde = nullptr;
    QLabel* m_label5 = nullptr;
    QLabel* m_label7 = nullptr;
    QLabel* m_label11 = nullptr;
    std::array<QCheckBox*, 4> m_checks{};
    QPushButton* m_cmndInfo = nullptr;
};
