#pragma once

#include "core/shell/about_texts.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QTimer;

// The about box: the program's name and version, the licensed user, the
// authors' contacts, the desktop's own about box and the freeware notice.
// While it is the active window, lines sweep over its logo and its caption
// flickers between upper- and lower-case letters.
class O : public QDialog {
    Q_OBJECT
public:
    // The animation's pace: quick enough to look alive, slow enough for any
    // window system to keep up with the caption.
    static constexpr int AnimationIntervalMs = 40;

    explicit O(QWidget* parent = nullptr);

    // Label4 names the licensed user.
    void setLicensee(const QString& userName);
    // One step of the animation: the logo's lines move on and the caption
    // takes a new letter case.
    void animate();

    [[nodiscard]] QLabel* Label1() const { return m_label1; }
    [[nodiscard]] QLabel* Label4() const { return m_label4; }
    [[nodiscard]] QLabel* Label5() const { return m_label5; }
    [[nodiscard]] QLabel* Label6() const { return m_label6; }
    [[nodiscard]] QLabel* Picture1() const { return m_picture1; }
    [[nodiscard]] QPushButton* flatbtnn1() const { return m_ok; }
    [[nodiscard]] QPushButton* Command1() const { return m_command1; }
    [[nodiscard]] QPushButton* Command2() const { return m_command2; }
    [[nodiscard]] QTimer* Timer1() const { return m_timer1; }
    [[nodiscard]] const LogoSweep& sweep() const { return m_sweep; }
    [[nodiscard]] const QImage& logo() const { return m_logo; }

protected:
    // The animation runs only while the about box is the active window.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makeLabel(const QString& name, const QString& text, int top);
    void showSystemAbout();

    QLabel* m_label1 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label5 = nullptr;
    QLabel* m_label6 = nullptr;
    QLabel* m_picture1 = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QTimer* m_timer1 = nullptr;
    QImage m_logo;
    LogoSweep m_sweep;
};

// The freeware notice: what the program's licence allows, the licensed user
// and e-mail, and where its help and read-me files are.
void ShowFreewareNotice();
