#include "shell/command_registry.h"

#include <QMainWindow>
#include <utility>

namespace {

std::size_t slot(MenuId id) {
    return static_cast<std::size_t>(MenuIndex(id));
}

struct RuleGroup {
    EnableRule rule;
    std::initializer_list<MenuId> entries;
};

// The entries the timer turns on and off; the search menu follows the text as
// a whole.
using enum MenuId;
const RuleGroup RuleGroups[] = {
    {EnableRule::NeedsPath, {Mnu_Reload_File, Mnu_SaveFast}},
    {EnableRule::NeedsClipboardText, {mnuinsert, MnuAdd, mnuclearclip, mnunewclip}},
    {EnableRule::NeedsText,
     {mnuclean, mnusave, mnuallselect, mnuprint, mnucopy, mnuseek, mnucode, mnuZaKodPrim, mnuNoHtml,
      mnu_save_st, mnu_chp_s}},
    {EnableRule::NeedsSelection,
     {mnucut, mnucopysel, mnusmall, mnubig, mnupropercase, mnukopsoub, mnuulvyb, mnuprevrat,
      mnuHackyCarky, mnuMakeMorse, mnu_format}},
};

} // namespace

EnableRule DefaultEnableRule(MenuId id) {
    for (const RuleGroup& group : RuleGroups)
        for (const MenuId entry : group.entries)
            if (entry == id)
                return group.rule;
    return EnableRule::Always;
}

CommandRegistry::CommandRegistry() {
    for (const MenuEntry& entry : MainMenuEntries())
        m_rules[slot(entry.id)] = DefaultEnableRule(entry.id);
}

void CommandRegistry::add(MenuId id, Command command) {
    add(id, std::move(command), DefaultEnableRule(id));
}

void CommandRegistry::addWindowCommand(MenuId id, WindowCommand command) {
    addWindowCommand(id, std::move(command), DefaultEnableRule(id));
}

void CommandRegistry::add(MenuId id, Command command, EnableRule rule) {
    addWindowCommand(
        id, [command = std::move(command)](QMainWindow&) { command(); }, rule);
}

void CommandRegistry::addWindowCommand(MenuId id, WindowCommand command, EnableRule rule) {
    Q_ASSERT(MainMenuEntry(id).kind == MenuEntryKind::Command);
    Q_ASSERT(command);
    m_commands[slot(id)] = std::move(command);
    m_rules[slot(id)] = rule;
    Q_EMIT added(id);
}

bool CommandRegistry::has(MenuId id) const {
    return static_cast<bool>(m_commands[slot(id)]);
}

EnableRule CommandRegistry::rule(MenuId id) const {
    return m_rules[slot(id)];
}

void CommandRegistry::run(MenuId id, QMainWindow& window) const {
    // A copy, so a command that replaces itself does not pull the rug away.
    if (const WindowCommand command = m_commands[slot(id)])
        command(window);
}

CommandRegistry& ProgramCommands() {
    static CommandRegistry commands;
    return commands;
}
