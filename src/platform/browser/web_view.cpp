#include "platform/browser/web_view.h"

#include "platform/browser/web_engine_library.h"

#include <QLabel>
#include <QTimer>

namespace {

class QtWebView : public WebView {
public:
    QtWebView(const WebEngineCalls& engine, QWidget* parent) : WebView(nullptr), m_engine(engine) {
        WebEngineHooks hooks;
        hooks.context = this;
        hooks.loadStarted = [this] {
            m_busy = true;
            Q_EMIT loadStarted();
        };
        hooks.loadProgress = [this](int percent) { Q_EMIT progressChanged(percent, 100); };
        hooks.titleChanged = [this] { Q_EMIT titleChanged(); };
        hooks.linkHovered = [this](const QString& link) { Q_EMIT statusTextChanged(link); };
        hooks.loadFinished = [this](bool ok) {
            m_busy = false;
            Q_EMIT loadFinished(ok);
        };
        m_view = m_engine.createView(parent, hooks);
        setParent(m_view);
    }

    [[nodiscard]] QWidget* widget() const override { return m_view; }
    void navigate(const QUrl& address) override { m_engine.navigate(m_view, address); }
    void back() override { m_engine.back(m_view); }
    void forward() override { m_engine.forward(m_view); }
    void stop() override { m_engine.stop(m_view); }
    void reload() override { m_engine.reload(m_view); }
    [[nodiscard]] bool isBusy() const override { return m_busy; }
    [[nodiscard]] QString locationName() const override {
        const QString title = m_engine.title(m_view);
        return title.isEmpty() ? locationUrl() : title;
    }
    [[nodiscard]] QString locationUrl() const override { return m_engine.url(m_view).toString(); }

private:
    const WebEngineCalls& m_engine;
    QWidget* m_view = nullptr;
    bool m_busy = false;
};

// Stands in for the page when the engine's library cannot be loaded: says
// so in the page's place, and every navigation fails.
class UnavailableWebView : public WebView {
public:
    UnavailableWebView(const QString& error, QWidget* parent)
        : WebView(nullptr),
          m_label(new QLabel(QStringLiteral("Stránku nelze zobrazit: internímu prohlížeči chybí "
                                            "jeho knihovna.\n") +
                                 error,
                             parent)) {
        m_label->setAlignment(Qt::AlignCenter);
        m_label->setWordWrap(true);
        setParent(m_label);
    }

    [[nodiscard]] QWidget* widget() const override { return m_label; }
    void navigate(const QUrl& address) override {
        m_address = address;
        QTimer::singleShot(0, this, [this] { Q_EMIT loadFinished(false); });
    }
    void back() override {}
    void forward() override {}
    void stop() override {}
    void reload() override { navigate(m_address); }
    [[nodiscard]] bool isBusy() const override { return false; }
    [[nodiscard]] QString locationName() const override { return locationUrl(); }
    [[nodiscard]] QString locationUrl() const override { return m_address.toString(); }

private:
    QLabel* m_label;
    QUrl m_address;
};

} // namespace

WebView* QtWebViewFactory::create(QWidget* parent) {
    QString error;
    if (const WebEngineCalls* engine = LoadWebEngine(error))
        return new QtWebView(*engine, parent);
    return new UnavailableWebView(error, parent);
}
