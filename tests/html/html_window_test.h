#pragma once

#include "colour/ColorDialog.h"
#include "html/html_commands.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/window_instances.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// A main window with scripted services and the HTML commands, for driving
// one HTML dialog.
class HtmlWindowTest : public ::testing::Test {
protected:
    HtmlWindowTest() {
        RegisterHtmlCommands(commands);
        Program() = ProgramState{};
    }
    ~HtmlWindowTest() override { Program() = ProgramState{}; }

    template <class Dialog> static Dialog& openDialog() {
        Dialog& window = LoadedWindow<Dialog>();
        window.showModeless();
        return window;
    }
    // A control of the window by its name; a missing one fails the test.
    template <class T = QWidget> static T* child(const QWidget& window, const QString& name) {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static void click(const QWidget& window, const QString& button) {
        QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    }
    // Ticks or unticks a check box, or chooses an option.
    static void tick(const QWidget& window, const QString& box) {
        child<QAbstractButton>(window, box)->click();
    }
    // The next colour picker shown answers OK with these channels.
    static void pickNext(RgbChannels channels) {
        WhenModalShown<ColorDialog>([channels](ColorDialog* picker) {
            picker->setChannels(channels);
            QTest::mouseClick(picker->Command1(), Qt::LeftButton);
        });
    }
    [[nodiscard]] static QStringList itemsOf(const QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
    void select(const QString& text, int start, int length) {
        form.surface().setText(text);
        form.surface().setSelStart(start);
        form.surface().setSelLength(length);
    }
    // Opens the dialog over this selection, confirms it and gives the text.
    template <class Dialog> QString confirmOn(const QString& text, int start, int length) {
        select(text, start, length);
        click(openDialog<Dialog>(), QStringLiteral("Command1"));
        return form.surface().text();
    }
    // Chooses the main menu's entry, which must be enabled.
    void run(MenuId entry) {
        QAction* action = form.menu().action(entry);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }

    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{commands};
};
