#pragma once

#include <QMainWindow>

class CommandRegistry;
class DocumentTabs;
class MainMenu;
class MainTimer;
class TimedAutosave;
class Toolbar;
class QLabel;
class QProgressBar;
class QTabBar;
class RichEditSurface;
class SurfaceTextEdit;

// The editor's main window: the editing surface Text1 with the document tab
// strip FileTab, over the status bar Bar1 with its four panels and the
// progress bar Status.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int PanelCount = 4;

    // The menu, its pop-ups and the toolbar run the work commands holds.
    explicit MainForm(const CommandRegistry& commands);
    MainForm();
    ~MainForm() override;

    // The one main window of the program, or nullptr before it exists.
    [[nodiscard]] static MainForm* instance();

    [[nodiscard]] RichEditSurface& surface() const { return *m_surface; }
    [[nodiscard]] SurfaceTextEdit* Text1() const;
    // Panel 1 to 4 of Bar1.
    [[nodiscard]] QLabel* panel(int number) const;
    // The picture shown before panel 4's text.
    [[nodiscard]] QLabel* Panel4Picture() const { return m_panel4Picture; }
    [[nodiscard]] QProgressBar* Status() const { return m_status; }
    [[nodiscard]] QTabBar* FileTab() const { return m_fileTab; }
    [[nodiscard]] DocumentTabs& documents() const { return *m_documents; }
    [[nodiscard]] MainMenu& menu() const { return *m_menu; }
    [[nodiscard]] Toolbar* Toolbar1() const { return m_toolbar; }
    [[nodiscard]] MainTimer& timer() const { return *m_timer; }
    [[nodiscard]] TimedAutosave& autosave() const { return *m_autosave; }

protected:
    // Closing saves the settings, writes the exit-autosave files and asks
    // before unsaved documents are left behind.
    void closeEvent(QCloseEvent* event) override;
    // Re-fits the editor and the tab strip to the new size.
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildCentralArea();
    void buildStatusBar();
    void buildMenusAndTimers(const CommandRegistry& commands);
    void wireMenuHelpers();

    RichEditSurface* m_surface;
    QLabel* m_panels[PanelCount] = {};
    QLabel* m_panel4Picture = nullptr;
    QProgressBar* m_status = nullptr;
    QTabBar* m_fileTab = nullptr;
    DocumentTabs* m_documents = nullptr;
    MainMenu* m_menu = nullptr;
    Toolbar* m_toolbar = nullptr;
    MainTimer* m_timer = nullptr;
    TimedAutosave* m_autosave = nullptr;
};
