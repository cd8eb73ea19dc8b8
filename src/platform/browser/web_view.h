#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

// A view that shows web pages: the internal browser's only door to the web
// engine, so its window runs in tests with a scripted view instead.
class WebView : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~WebView() override = default;

    // The widget that shows the page; it owns this object.
    [[nodiscard]] virtual QWidget* widget() const = 0;

    virtual void navigate(const QUrl& address) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void stop() = 0;
    virtual void reload() = 0;

    // True from the start of a load until it finishes.
    [[nodiscard]] virtual bool isBusy() const = 0;
    // The shown page's name (its title, or its address when it has none).
    [[nodiscard]] virtual QString locationName() const = 0;
    // The shown page's address, as text.
    [[nodiscard]] virtual QString locationUrl() const = 0;

Q_SIGNALS:
    void loadStarted();
    // How far the load is: progress out of progressMax.
    void progressChanged(qint64 progress, qint64 progressMax);
    // A text the page wants shown in the status bar ("" clears it).
    void statusTextChanged(const QString& text);
    // The page's name changed while it loads.
    void titleChanged();
    // The load ended: the page is shown (ok), failed or was stopped.
    void loadFinished(bool ok);
};

// Makes the web views windows show.
class WebViewFactory {
public:
    virtual ~WebViewFactory() = default;
    // A new view whose widget is a child of parent.
    [[nodiscard]] virtual WebView* create(QWidget* parent) = 0;
};

// Views over Qt WebEngine.
class QtWebViewFactory : public WebViewFactory {
public:
    [[nodiscard]] WebView* create(QWidget* parent) override;
};
