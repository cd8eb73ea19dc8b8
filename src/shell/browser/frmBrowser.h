#pragma once

#include <QMainWindow>
#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLayout;
class QTimer;
class QToolBar;
class WebView;

// The internal preview browser: an address box with its history, a toolbar,
// the page, a status bar of six panels and a busy animation that runs while
// a page loads. One instance, made on first use; the Close button hides it,
// closing it from its frame unloads it. Run alone ("-BROWSER"), closing it
// asks whether to end the program.
class frmBrowser : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int PanelCount = 6;

    explicit frmBrowser(QWidget* parent = nullptr);

    // Puts address in the address box and at the end of its history, loads
    // it and shows the window. An empty address does nothing.
    void showUrl(const QString& address);
    // Loads what the address box holds; an address that is no address is
    // reported as a failed navigation.
    void navigateToTyped();
    // The toolbar's handler, by the button's key; an unknown key does nothing.
    void ButtonClick(const QString& key);
    // The program runs this window alone: closing it ends the program.
    void setStandAlone();

    [[nodiscard]] QToolBar* tbToolBar() const { return m_toolBar; }
    // The button with key ("Back", "Forward", "Stop", "Refresh", "Open",
    // "Dock", "Close"), or nullptr.
    [[nodiscard]] QAction* button(const QString& key) const;
    [[nodiscard]] QComboBox* cboAddress() const { return m_address; }
    [[nodiscard]] QLabel* Picture1() const { return m_picture; }
    [[nodiscard]] WebView& brwWebBrowser() const { return *m_browser; }
    // Panel 1 to 6 of StatusBar1.
    [[nodiscard]] QLabel* panel(int number) const;
    // The animation frame painted next, 1 to 8.
    [[nodiscard]] int BusyFrame() const { return m_busyFrame; }
    [[nodiscard]] bool isAnimating() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar();
    [[nodiscard]] QLayout* buildAddressRow(QWidget* area);
    void buildStatusBar();
    void navigate(const QString& address);
    void chooseFile();
    void closeButton();
    // Alone: asks, with the window hidden, whether to end the program; true
    // when the user said Yes, else the window comes back.
    [[nodiscard]] bool confirmEnd();
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void showCaption();
    void rememberVisit();
    // Makes entry index of the history current without loading it.
    void selectQuietly(int index);
    void paintNextFrame();
    // Nothing loads: the animation stops and leaves no frame painted.
    void showIdle();
    void showClock();

    QToolBar* m_toolBar = nullptr;
    QComboBox* m_address = nullptr;
    QLabel* m_picture = nullptr;
    WebView* m_browser = nullptr;
    std::array<QLabel*, PanelCount> m_panels = {};
    QTimer* m_animation = nullptr;
    int m_busyFrame = 1;
    // True while the history is rearranged, so the box's own signals start
    // no navigation.
    bool m_suppressNavigate = false;
};
