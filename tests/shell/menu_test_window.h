#pragma once

#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/shell_commands.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <vector>

// A shown, active main window laid out as the program's: the editing surface
// beside the tab strip FileTab, the status bar Bar1, the menu bar and the
// toolbar, with the editor holding the focus. Its commands are the shell's
// window commands only.
class MenuTestWindow {
public:
    MenuTestWindow() {
        auto* area = new QWidget(&window);
        auto* layout = new QHBoxLayout(area);
        surface = new RichEditSurface(area);
        layout->addWidget(surface->widget(), 1);
        fileTab = new QTabBar(area);
        fileTab->setObjectName(QStringLiteral("FileTab"));
        fileTab->addTab(QStringLiteral("Dokument"));
        layout->addWidget(fileTab, 0, Qt::AlignTop);
        window.setCentralWidget(area);
        window.statusBar()->setObjectName(QStringLiteral("Bar1"));
        panel = new QLabel(QStringLiteral("Řádek 1"), window.statusBar());
        window.statusBar()->addWidget(panel);
        RegisterShellWindowCommands(commands);
        menu = new MainMenu(window, *editor(), *window.statusBar(), *fileTab, commands);
        toolbar = new Toolbar(window, *menu);
        window.resize(900, 480);
        window.show();
        QApplication::setActiveWindow(&window);
        editor()->setFocus();
        (void)QTest::qWaitForWindowActive(&window);
    }
    ~MenuTestWindow() { closePopUps(); }

    [[nodiscard]] SurfaceTextEdit* editor() const { return surface->widget(); }
    // Every command entry records its id in ran when it runs.
    void recordAllCommands(std::vector<MenuId>& ran) {
        for (const MenuEntry& entry : MainMenuEntries())
            if (entry.kind == MenuEntryKind::Command)
                commands.add(entry.id, [&ran, id = entry.id] { ran.push_back(id); });
    }

    static void closePopUps() {
        while (QWidget* popUp = QApplication::activePopupWidget())
            popUp->close();
    }

    // Outlives the window, whose menu reads it.
    CommandRegistry commands;
    QMainWindow window;
    RichEditSurface* surface = nullptr;
    QTabBar* fileTab = nullptr;
    // A panel of the status bar.
    QLabel* panel = nullptr;
    MainMenu* menu = nullptr;
    Toolbar* toolbar = nullptr;
};
