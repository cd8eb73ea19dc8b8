#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QObject;
class QWidget;

// What the program hears from a page view of the web engine.
struct WebEngineHooks {
    // The hooks are called only while this object lives.
    QObject* context = nullptr;
    std::function<void()> loadStarted;
    std::function<void(int percent)> loadProgress;
    std::function<void()> titleChanged;
    std::function<void(const QString& link)> linkHovered;
    std::function<void(bool ok)> loadFinished;
};

// The web engine lives in a library of its own, loaded when the first page
// view is made, so a session that never previews a page never maps the
// engine. These calls are all the program uses of it; both sides include
// this header, neither links the other.
struct WebEngineCalls {
    QWidget* (*createView)(QWidget* parent, const WebEngineHooks& hooks);
    void (*navigate)(QWidget* view, const QUrl& address);
    void (*back)(QWidget* view);
    void (*forward)(QWidget* view);
    void (*stop)(QWidget* view);
    void (*reload)(QWidget* view);
    QString (*title)(QWidget* view);
    QUrl (*url)(QWidget* view);
};

// The one symbol the engine library exports.
#define TARVEL_WEB_ENGINE_ENTRY "TarvelWebEngineCalls"
using WebEngineEntry = const WebEngineCalls* (*)();
