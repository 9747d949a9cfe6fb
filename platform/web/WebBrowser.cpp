#include "platform/web/WebBrowser.h"

#include "platform/forms/Screen.h"

#include <QCoreApplication>
#include <QUrl>

#include <unistd.h>

namespace controls {

namespace {
// The web engine's sandbox refuses to start for the superuser, and the engine then aborts the whole
// program. A root session (a container, a CI machine) has nothing the sandbox could shield anyway,
// so it runs without it there; anyone else keeps it. Done as the application object is built,
// before anything can start the engine; a setting the user made is left alone.
void allowEngineAsRoot()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(allowEngineAsRoot)

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent)
{
    connect(this, &QWebEngineView::loadStarted, this, &WebBrowser::onStarted);
    connect(this, &QWebEngineView::loadProgress, this, &WebBrowser::onProgress);
    connect(this, &QWebEngineView::loadFinished, this, &WebBrowser::onFinished);
}

void WebBrowser::Navigate(const QString& address) { setUrl(QUrl::fromUserInput(address)); }

void WebBrowser::onStarted()
{
    loading_ = true;
    lastPercent_ = -1;
}

void WebBrowser::onProgress(int percent)
{
    // The engine may repeat a value, or report once more after the end: neither is news.
    if (!loading_ || percent <= lastPercent_)
        return;
    lastPercent_ = percent;
    emit ProgressChange(percent * (kProgressMax / 100), kProgressMax);
}

void WebBrowser::onFinished()
{
    if (!loading_)
        return;
    loading_ = false;
    emit ProgressChange(0, 0);
}

void WebBrowser::setWidth(float twips)
{
    width_ = twips;
    applySize();
}

void WebBrowser::setHeight(float twips)
{
    height_ = twips;
    applySize();
}

void WebBrowser::applySize() { resize(forms::Screen::toPixelsX(width_), forms::Screen::toPixelsY(height_)); }

} // namespace controls
