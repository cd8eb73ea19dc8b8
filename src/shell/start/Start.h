#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The start window. During start-up it is the splash whose label Action names
// each step; afterwards it either goes away or stays as the start screen, its
// menu frame covering Action. It stores nothing itself: Check1 writes
// ShowStartScreen of the program's settings.
class Start : public QWidget {
    Q_OBJECT
public:
    static constexpr int Label8Count = 2;

    explicit Start(QWidget* parent = nullptr);

    // Shows text in Action and paints it at once, so the step is on screen
    // before its work keeps the event loop busy.
    void setAction(const QString& text);
    // Label1 and both elements of Label8 show the welcome line with version.
    void setVersionText(const QString& version);
    // Ticks Check1 (or clears it), which writes ShowStartScreen.
    void setCloseAfterStart(bool close);
    // Makes the menu frame visible over Action, Label9 naming the user of
    // the settings.
    void showMenuFrame();
    // Label9 names the licensed user.
    void setLicensee(const QString& userName);
    // Shown again from the main window's menu, the start screen stays above
    // the main window like the other tool windows; during start-up it is a
    // window of its own, with the main window still hidden.
    void ownByMainWindow();

    [[nodiscard]] QLabel* Action() const { return m_action; }
    [[nodiscard]] QLabel* Label1() const { return m_label1; }
    // Element 0 or 1 of the label array Label8.
    [[nodiscard]] QLabel* Label8(int index) const { return m_label8.at(index); }
    [[nodiscard]] QLabel* Label7() const { return m_label7; }
    [[nodiscard]] QPlainTextEdit* AdText() const { return m_adText; }
    [[nodiscard]] QLabel* AdImage() const { return m_adImage; }
    [[nodiscard]] QFrame* MenuFrame() const { return m_menuFrame; }
    [[nodiscard]] QPushButton* Command1() const { return m_command1; }
    [[nodiscard]] QPushButton* Command2() const { return m_command2; }
    [[nodiscard]] QPushButton* Command3() const { return m_command3; }
    [[nodiscard]] QCheckBox* Check1() const { return m_check1; }
    [[nodiscard]] QLabel* Label9() const { return m_label9; }

protected:
    // A typed key dismisses the start screen; which key does not matter.
    void keyPressEvent(QKeyEvent* event) override;
    // Closing unloads the window and brings up the main window instead of
    // ending the program.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTitles();
    void buildBlurb();
    // The blurb's box grows to show every line whole in the font at hand,
    // where the design's size falls short; gives what it grew by.
    QSize fitBlurbToItsLines();
    void buildMenuFrame();
    void beginWork();
    // Brings up the main window and its open-file window.
    void openFile();
    void writeShowStartScreen(bool checked);
    void selectBlurbItem(double yTwips);

    QLabel* m_label1 = nullptr;
    std::array<QLabel*, Label8Count> m_label8 = {};
    QLabel* m_label7 = nullptr;
    QPlainTextEdit* m_adText = nullptr;
    QLabel* m_adImage = nullptr;
    QLabel* m_action = nullptr;
    QFrame* m_menuFrame = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QLabel* m_label9 = nullptr;
};
