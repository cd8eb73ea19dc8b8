#include "platform/browser/web_view.h"

#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class QtWebView : public WebView {
public:
    explicit QtWebView(QWidget* parent) : WebView(nullptr), m_view(new QWebEngineView(parent)) {
        setParent(m_view);
        connect(m_view, &QWebEngineView::loadStarted, this, [this] {
            m_busy = true;
            Q_EMIT loadStarted();
        });
        connect(m_view, &QWebEngineView::loadProgress, this,
                [this](int percent) { Q_EMIT progressChanged(percent, 100); });
        connect(m_view, &QWebEngineView::titleChanged, this, &WebView::titleChanged);
        connect(m_view->page(), &QWebEnginePage::linkHovered, this, &WebView::statusTextChanged);
        connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
            m_busy = false;
            Q_EMIT loadFinished(ok);
        });
    }

    [[nodiscard]] QWidget* widget() const override { return m_view; }
    void navigate(const QUrl& address) override { m_view->load(address); }
    void back() override { m_view->back(); }
    void forward() override { m_view->forward(); }
    void stop() override { m_view->stop(); }
    void reload() override { m_view->reload(); }
    [[nodiscard]] bool isBusy() const override { return m_busy; }
    [[nodiscard]] QString locationName() const override {
        const QString title = m_view->title();
        return title.isEmpty() ? locationUrl() : title;
    }
    [[nodiscard]] QString locationUrl() const override { return m_view->url().toString(); }

private:
    QWebEngineView* m_view;
    bool m_busy = false;
};

} // namespace

WebView* QtWebViewFactory::create(QWidget* parent) {
    return new QtWebView(parent);
}
