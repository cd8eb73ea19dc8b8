#pragma once

#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/files/file_browser_lists.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/shell_commands.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// A main window with the shell's commands over a fresh program state, the
// platform doubles, and a folder of files for the file windows to show.
class FileWindowTest : public ::testing::Test {
protected:
    FileWindowTest() {
        Program() = ProgramState{};
        RegisterShellCommands(commands);
        form = new MainForm(commands);
        form->documents().setCaption(QString(), false);
    }
    ~FileWindowTest() override {
        delete form;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Program() = ProgramState{};
    }

    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }
    void makeFolder(const QString& name) const { EXPECT_TRUE(QDir(folder.path()).mkpath(name)); }

    [[nodiscard]] static QStringList itemsOf(const QListWidget& list) {
        QStringList texts;
        for (int i = 0; i < list.count(); ++i)
            texts << list.item(i)->text();
        return texts;
    }
    // Clicks the entry of list that reads text, as the user does.
    static void click(QListWidget& list, const QString& text) {
        const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list.scrollToItem(found.front());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(found.front()).center());
    }
    [[nodiscard]] int boxesShown() const {
        return static_cast<int>(platform.messageBox.shown.size());
    }
    [[nodiscard]] QString lastBoxTitle() const {
        return platform.messageBox.shown.isEmpty() ? QString()
                                                   : platform.messageBox.shown.back().request.title;
    }

    QTemporaryDir folder;
    CommandRegistry commands;
    TestPlatform platform;
    MainForm* form = nullptr;
};
