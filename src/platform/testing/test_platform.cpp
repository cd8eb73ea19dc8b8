#include "platform/testing/test_platform.h"

TestPlatform::TestPlatform() : m_previous(Platform()) {
    Platform() = {&messageBox, &inputBox, &fileDialogs, &clipboard, &busyCursor, &windows,
                  &fontDialog, &printer,  &instances,   &webViews,  &desktop};
}

TestPlatform::~TestPlatform() {
    Platform() = m_previous;
}
