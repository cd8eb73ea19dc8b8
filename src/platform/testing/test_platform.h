#pragma once

#include "platform/platform.h"
#include "platform/testing/fake_clipboard.h"
#include "platform/testing/framed_windows.h"
#include "platform/testing/recording_busy_cursor.h"
#include "platform/testing/recording_desktop.h"
#include "platform/testing/recording_instances.h"
#include "platform/testing/scripted_file_dialogs.h"
#include "platform/testing/scripted_font_dialog.h"
#include "platform/testing/scripted_input_box.h"
#include "platform/testing/scripted_message_box.h"
#include "platform/testing/scripted_printer.h"
#include "platform/testing/scripted_web_view.h"
#include "platform/window_registry.h"

// Installs one double of each service and a fresh window registry into
// Platform() for its lifetime; the services before come back when it goes.
class TestPlatform {
public:
    TestPlatform();
    ~TestPlatform();
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    // Deletes every window loaded during the test but keep (a window the test
    // owns itself), so none outlives the test, also when a check stopped it
    // early. A window that goes with one deleted before it is not deleted twice.
    void unloadWindows(const QWidget* keep = nullptr);

    ScriptedMessageBox messageBox;
    ScriptedInputBox inputBox;
    ScriptedFileDialogs fileDialogs;
    FakeClipboard clipboard;
    RecordingBusyCursor busyCursor;
    WindowRegistry windows;
    ScriptedFontDialog fontDialog;
    ScriptedPrinter printer;
    RecordingInstances instances;
    ScriptedWebViews webViews;
    RecordingDesktop desktop;
    FramedWindows frames;

private:
    PlatformServices m_previous;
};
