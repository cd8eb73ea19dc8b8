#include "shell/main_window/MainForm.h"

#include "platform/eliding_label.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/twips.h"
#include "shell/command_registry.h"
#include "shell/files/TimedAutosave.h"
#include "shell/files/document_files.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/MainTimer.h"
#include "shell/main_window/Toolbar.h"
#include "shell/main_window/editor_look.h"
#include "shell/shell_commands.h"
#include "shell/start/shutdown.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>

namespace {
MainForm* theMainForm = nullptr;
constexpr int InitialWidthTwips = 9600;
constexpr int InitialHeightTwips = 7200;
constexpr int ProgressWidth = 120;
} // namespace

MainForm::MainForm() : MainForm(ProgramCommands()) {}

MainForm::MainForm(const CommandRegistry& commands) : m_surface(new RichEditSurface(this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tarvel Qor ()"));
    buildCentralArea();
    buildStatusBar();
    m_documents = new DocumentTabs(*this, *m_surface, *m_fileTab);
    buildMenusAndTimers(commands);
    resize(TwipsToPixels(InitialWidthTwips), TwipsToPixels(InitialHeightTwips));
    theMainForm = this;
}

MainForm::~MainForm() {
    if (theMainForm == this)
        theMainForm = nullptr;
}

MainForm* MainForm::instance() {
    return theMainForm;
}

SurfaceTextEdit* MainForm::Text1() const {
    return m_surface->widget();
}

QLabel* MainForm::panel(int number) const {
    return number >= 1 && number <= PanelCount ? m_panels[number - 1] : nullptr;
}

void MainForm::buildMenusAndTimers(const CommandRegistry& commands) {
    m_menu = new MainMenu(*this, *Text1(), *statusBar(), *m_fileTab, commands);
    m_toolbar = new Toolbar(*this, *m_menu);
    wireMenuHelpers();
    m_timer = new MainTimer(*this);
    m_autosave = new TimedAutosave(*this);
}

// The procedures that keep check marks and the recent list up to date learn
// where those live.
void MainForm::wireMenuHelpers() {
    FontMenuItems items;
    for (std::size_t i = 0; i < EditorFontSizeEntries.size(); ++i)
        items.sizes[i] = m_menu->action(EditorFontSizeEntries[i]);
    items.bold = m_menu->action(MenuId::mnuEditBold);
    items.italic = m_menu->action(MenuId::mnuitalic);
    SetFontMenuItems(items);
    m_toolbar->connectOpenRecent(OpenRecentFile);
    SetRecentMenuFiller([toolbar = m_toolbar](const std::array<QString, 10>& files) {
        toolbar->FillRecentMenu(files);
    });
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (ConfirmShutdown(*this))
        event->accept();
    else
        event->ignore();
}

// The editor and the tab strip are placed by LayoutMainForm: the tab strip
// lies behind the editor with its tabs in the strip the editor leaves free.
void MainForm::buildCentralArea() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("CentralArea"));
    m_fileTab = new QTabBar(area);
    m_fileTab->setObjectName(QStringLiteral("FileTab"));
    m_fileTab->setShape(QTabBar::RoundedEast);
    m_fileTab->setDrawBase(false);
    m_surface->widget()->setParent(area);
    setCentralWidget(area);
}

void MainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayoutMainForm(*this);
}

void MainForm::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("Bar1"));
    for (int i = 0; i < PanelCount; ++i) {
        // Panel 4 previews texts of any length and shows where they go on.
        m_panels[i] = i == PanelCount - 1 ? new ElidingLabel(bar) : new QLabel(bar);
        m_panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        if (i == PanelCount - 1) {
            // Panel 4 shows what its text is (selection, clipboard) as a picture before it.
            m_panel4Picture = new QLabel(bar);
            m_panel4Picture->setObjectName(QStringLiteral("Panel4Picture"));
            bar->addWidget(m_panel4Picture);
        }
        bar->addWidget(m_panels[i], i == PanelCount - 1 ? 1 : 0);
    }
    m_status = new QProgressBar(bar);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setVisible(false);
    // Narrow, so that the busy message in panel 4 stays readable beside it.
    m_status->setMaximumWidth(ProgressWidth);
    bar->addPermanentWidget(m_status);
}
