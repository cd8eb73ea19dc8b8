// The shell's windows pick colours in the colour picker once the colour
// commands are registered.
#include "colour/ColorDialog.h"
#include "colour/colour_commands.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/colour_picking.h"
#include "shell/command_registry.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(ShellColourPicking, RegisteredColourCommandsLendTheirPickerToTheShell) {
    Program() = ProgramState{};
    TestPlatform platform;
    InstallColourPicker({});
    EXPECT_EQ(PickShellColour(RgbColor(1, 2, 3)), RgbColor(1, 2, 3));

    CommandRegistry commands;
    RegisterColourCommands(commands);
    bool pickerShown = false;
    WhenModalShown<ColorDialog>([&](ColorDialog* picker) {
        pickerShown = true;
        picker->close();
    });
    QTimer::singleShot(8000, [] {
        if (QWidget* left = QApplication::activeModalWidget())
            left->close();
    });
    // Closed without OK, the pick gives the colour it started from.
    EXPECT_EQ(PickShellColour(RgbColor(10, 20, 30)), RgbColor(10, 20, 30));
    EXPECT_TRUE(pickerShown);
    InstallColourPicker({});
    platform.unloadWindows();
    Program() = ProgramState{};
}

} // namespace
