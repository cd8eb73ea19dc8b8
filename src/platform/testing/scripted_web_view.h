#pragma once

#include "platform/browser/web_view.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QUrl>

// A web view that loads nothing: it records what it is asked to do, and a
// test plays the engine's side (a load starting, its progress, the finished
// page) through its methods.
class ScriptedWebView : public WebView {
    Q_OBJECT
public:
    explicit ScriptedWebView(QWidget* parent);

    [[nodiscard]] QWidget* widget() const override { return m_widget; }
    void navigate(const QUrl& address) override;
    void back() override { calls << QStringLiteral("back"); }
    void forward() override { calls << QStringLiteral("forward"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void reload() override { calls << QStringLiteral("reload"); }
    [[nodiscard]] bool isBusy() const override { return m_busy; }
    [[nodiscard]] QString locationName() const override { return m_name; }
    [[nodiscard]] QString locationUrl() const override { return m_url; }

    // The engine's side.
    void startLoad();
    void reportProgress(qint64 progress, qint64 progressMax);
    void reportStatus(const QString& text);
    // The load ends showing the page at address named name.
    void finishLoad(const QString& address, const QString& name, bool ok = true);

    QList<QUrl> navigations;
    // "back", "forward", "stop", "reload" in the order asked.
    QStringList calls;

private:
    QWidget* m_widget;
    bool m_busy = false;
    QString m_name;
    QString m_url;
};

// Makes scripted views and keeps the latest for the test.
class ScriptedWebViews : public WebViewFactory {
public:
    [[nodiscard]] WebView* create(QWidget* parent) override;

    QPointer<ScriptedWebView> latest;
    int created = 0;
};
