#pragma once

#include "shell/main_window/main_menu_table.h"

#include <QObject>
#include <array>
#include <functional>

class QMainWindow;

// When the main window's timer lets an entry be chosen. An entry with a rule
// other than Always is enabled on each tick only while the rule holds and,
// for a command, only once its work is registered.
enum class EnableRule {
    // Enabled from the moment its work is registered; the timer leaves it alone.
    Always,
    // A document with a file path.
    NeedsPath,
    // Clipboard text that is not empty; while the clipboard holds no text at
    // all (a picture, say) the entry keeps the state it had.
    NeedsClipboardText,
    // Some text in the editor.
    NeedsText,
    // A selection in the editor.
    NeedsSelection,
};

// The rule an entry follows unless its registration gives another.
[[nodiscard]] EnableRule DefaultEnableRule(MenuId id);

// The program's commands by menu entry: each entry's work and the rule that
// enables it. The menu bar, its pop-ups, the toolbar and the timer read it;
// each feature registers its own commands. An entry nobody registered has no
// work and stays disabled.
class CommandRegistry : public QObject {
    Q_OBJECT
public:
    // Work that needs nothing but the program's state.
    using Command = std::function<void()>;
    // Work on the main window whose menu or toolbar ran it.
    using WindowCommand = std::function<void(QMainWindow& window)>;

    CommandRegistry();

    // Makes command the work of the command entry id, replacing any before,
    // enabled by rule (by the entry's default rule when none is given).
    void add(MenuId id, Command command);
    void add(MenuId id, Command command, EnableRule rule);
    void addWindowCommand(MenuId id, WindowCommand command);
    void addWindowCommand(MenuId id, WindowCommand command, EnableRule rule);

    [[nodiscard]] bool has(MenuId id) const;
    [[nodiscard]] EnableRule rule(MenuId id) const;
    // Runs the entry's work for window; nothing when it has none.
    void run(MenuId id, QMainWindow& window) const;

Q_SIGNALS:
    void added(MenuId id);

private:
    std::array<WindowCommand, MenuEntryCount> m_commands;
    std::array<EnableRule, MenuEntryCount> m_rules;
};

// The registry the program's main window reads; start-up fills it before the
// window is built.
[[nodiscard]] CommandRegistry& ProgramCommands();
