#pragma once

#include "platform/browser/web_view.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

// The engine library, built without the sanitizer, frees a page's web
// contents with a mismatched size inside its own destructor, which the
// sanitizer stops the whole test program for; the scripted view covers the
// windows in that build.
#ifdef __SANITIZE_ADDRESS__
#define SKIP_WHERE_THE_WEB_ENGINE_FAILS_THE_SANITIZER()                                            \
    GTEST_SKIP() << "the web engine library fails the address sanitizer on its own"
#else
#define SKIP_WHERE_THE_WEB_ENGINE_FAILS_THE_SANITIZER() (void)0
#endif

// The real web engine behind the program's views for the scope's lifetime.
class RealWebEngine {
public:
    RealWebEngine() : m_previous(Platform().webViews) { Platform().webViews = &m_engine; }
    ~RealWebEngine() { Platform().webViews = m_previous; }
    RealWebEngine(const RealWebEngine&) = delete;
    RealWebEngine& operator=(const RealWebEngine&) = delete;

private:
    QtWebViewFactory m_engine;
    WebViewFactory* m_previous;
};
