#include "platform/forms/Form.h"

#include "platform/forms/App.h"
#include "platform/forms/Guard.h"
#include "platform/forms/Screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <map>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace forms {

namespace detail {
namespace {
std::map<std::type_index, Form*>& registry()
{
    static std::map<std::type_index, Form*> r;
    return r;
}
} // namespace

Form* findInstance(std::type_index type)
{
    auto it = registry().find(type);
    return it == registry().end() ? nullptr : it->second;
}

void rememberInstance(std::type_index type, Form* form) { registry()[type] = form; }

void forgetInstance(Form* form)
{
    for (auto it = registry().begin(); it != registry().end(); ++it)
        if (it->second == form) {
            registry().erase(it);
            return;
        }
}
} // namespace detail

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) { setAttribute(Qt::WA_DeleteOnClose); }

Form::~Form()
{
    detail::forgetInstance(this);
#if defined(__GLIBC__)
    // A closed window's memory is freed amid what stays, and the C library gives back to the system
    // only the top of its heap, so the freed pages stay resident (about 1.2 MB once every window has
    // been opened). Once the window's last piece is gone, after this event, they are handed back.
    QTimer::singleShot(0, [] { malloc_trim(0); });
#endif
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    runHandler([this] { Form_Load(); });
}

void Form::Show()
{
    if (App::ending() || unloaded_)
        return;
    show();
    raise();
    activateWindow();
}

void Form::Unload()
{
    closingByCode_ = true;
    close();
    closingByCode_ = false;
}

void Form::closeEvent(QCloseEvent* event)
{
    int cancel = 0;
    const int mode = closingByCode_ ? 1 : 0;
    runHandler([&] { Form_QueryUnload(cancel, mode); });
    if (cancel == 0)
        runHandler([&] { Form_Unload(cancel); });
    if (cancel != 0 && !App::ending()) {
        event->ignore();
        return;
    }
    event->accept();
    unloaded_ = true;
    // The next use of this window class builds a new one, even before this one is deleted.
    detail::forgetInstance(this);
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    runHandler([this] { Form_Resize(); });
}

double Form::Left() const { return Screen::toTwipsX(frameGeometry().x()); }
double Form::Top() const { return Screen::toTwipsY(frameGeometry().y()); }
double Form::Width() const { return Screen::toTwipsX(frameGeometry().width()); }
double Form::Height() const { return Screen::toTwipsY(frameGeometry().height()); }
void Form::setLeft(double twips) { move(Screen::toPixelsX(twips), pos().y()); }
void Form::setTop(double twips) { move(pos().x(), Screen::toPixelsY(twips)); }

void Form::setClientHeight(double twips)
{
    const int client = Screen::toPixelsY(twips);
    if (minimumHeight() == maximumHeight())
        setFixedHeight(client); // a window the user cannot resize still changes height by code
    else
        resize(width(), client);
}

void Form::designWindow(const QString& name, const QString& caption, double width, double height, Sizing sizing)
{
    setObjectName(name);
    setWindowTitle(caption);
    setClientSizeTwips(width, height);
    if (sizing == Sizing::Fixed)
        setFixedSize(size());
    centerOnScreen();
}

void Form::centerOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void Form::setClientSizeTwips(double width, double height)
{
    resize(Screen::toPixelsX(width), Screen::toPixelsY(height));
}

} // namespace forms
