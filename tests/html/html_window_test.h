#pragma once

#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/window_instances.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// A main window with scripted services, for driving one HTML dialog.
class HtmlWindowTest : public ::testing::Test {
protected:
    HtmlWindowTest() { Program() = ProgramState{}; }
    ~HtmlWindowTest() override { Program() = ProgramState{}; }

    template <class Dialog> static Dialog& openDialog() {
        Dialog& window = LoadedWindow<Dialog>();
        window.showModeless();
        return window;
    }
    static void click(const QWidget& window, const QString& button) {
        QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void select(const QString& text, int start, int length) {
        form.surface().setText(text);
        form.surface().setSelStart(start);
        form.surface().setSelLength(length);
    }

    TestPlatform platform;
    MainForm form;
};
