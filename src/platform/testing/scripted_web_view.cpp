#include "platform/testing/scripted_web_view.h"

#include <QWidget>

ScriptedWebView::ScriptedWebView(QWidget* parent)
    : WebView(nullptr), m_widget(new QWidget(parent)) {
    setParent(m_widget);
}

void ScriptedWebView::navigate(const QUrl& address) {
    navigations << address;
}

void ScriptedWebView::startLoad() {
    m_busy = true;
    Q_EMIT loadStarted();
}

void ScriptedWebView::reportProgress(qint64 progress, qint64 progressMax) {
    Q_EMIT progressChanged(progress, progressMax);
}

void ScriptedWebView::reportStatus(const QString& text) {
    Q_EMIT statusTextChanged(text);
}

void ScriptedWebView::finishLoad(const QString& address, const QString& name, bool ok) {
    m_busy = false;
    m_url = address;
    m_name = name;
    Q_EMIT titleChanged();
    Q_EMIT loadFinished(ok);
}

WebView* ScriptedWebViews::create(QWidget* parent) {
    auto* view = new ScriptedWebView(parent);
    latest = view;
    ++created;
    return view;
}
