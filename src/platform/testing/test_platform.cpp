#include "platform/testing/test_platform.h"

#include <QPointer>

TestPlatform::TestPlatform() : m_previous(Platform()) {
    Platform() = {&messageBox, &inputBox, &fileDialogs, &clipboard, &busyCursor, &windows,
                  &fontDialog, &printer,  &instances,   &webViews,  &desktop,    &frames};
}

TestPlatform::~TestPlatform() {
    Platform() = m_previous;
}

void TestPlatform::unloadWindows(const QWidget* keep) {
    QList<QPointer<QWidget>> loaded;
    for (QWidget* window : windows.windows())
        if (window != keep)
            loaded.append(window);
    for (const QPointer<QWidget>& window : loaded)
        delete window.data();
}
