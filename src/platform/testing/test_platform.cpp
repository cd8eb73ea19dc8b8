#include "platform/testing/test_platform.h"

TestPlatform::TestPlatform() : m_previous(Platform()) {
    Platform() = {&messageBox, &inputBox,   &fileDialogs, &clipboard, &busyCursor,
                  &windows,    &fontDialog, &printer,     &instances};
}

TestPlatform::~TestPlatform() {
    Platform() = m_previous;
}
