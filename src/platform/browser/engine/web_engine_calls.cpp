// The engine library: page views over Qt WebEngine, reached only through
// the table of calls the program loads on first use.
#include "platform/browser/web_engine_calls.h"

#include <QWebEnginePage>
#include <QWebEngineView>

// The engine's own set-up of the drawing context its pages share. The
// engine runs it by itself only when it is loaded before the application
// object exists; loaded later, it must be run before the first view.
namespace QtWebEngineCore {
Q_DECL_IMPORT void initialize();
} // namespace QtWebEngineCore

namespace {

QWebEngineView* asView(QWidget* view) {
    return static_cast<QWebEngineView*>(view);
}

QWidget* createView(QWidget* parent, const WebEngineHooks& hooks) {
    static const bool initialised = (QtWebEngineCore::initialize(), true);
    Q_UNUSED(initialised);
    auto* view = new QWebEngineView(parent);
    QObject* context = hooks.context;
    QObject::connect(view, &QWebEngineView::loadStarted, context, hooks.loadStarted);
    QObject::connect(view, &QWebEngineView::loadProgress, context, hooks.loadProgress);
    QObject::connect(view, &QWebEngineView::titleChanged, context,
                     [titleChanged = hooks.titleChanged] { titleChanged(); });
    QObject::connect(view->page(), &QWebEnginePage::linkHovered, context, hooks.linkHovered);
    QObject::connect(view, &QWebEngineView::loadFinished, context, hooks.loadFinished);
    return view;
}

const WebEngineCalls Calls = {
    createView,
    [](QWidget* view, const QUrl& address) { asView(view)->load(address); },
    [](QWidget* view) { asView(view)->back(); },
    [](QWidget* view) { asView(view)->forward(); },
    [](QWidget* view) { asView(view)->stop(); },
    [](QWidget* view) { asView(view)->reload(); },
    [](QWidget* view) { return asView(view)->title(); },
    [](QWidget* view) { return asView(view)->url(); },
};

} // namespace

extern "C" Q_DECL_EXPORT const WebEngineCalls* TarvelWebEngineCalls() {
    return &Calls;
}
