#pragma once

#include <QObject>

#include <functional>

namespace forms {

// Runs one event handler. An unhandled run-time error shows the error box and ends the program
// with a non-zero status. Once the program is ending, no handler is entered any more, so what is
// left of the event that failed does nothing.
void runHandler(const std::function<void()>& handler);

// Connects a signal to a handler method of a window through runHandler.
template <class Sender, class Signal, class Receiver, class Method>
QMetaObject::Connection on(Sender* sender, Signal signal, Receiver* receiver, Method method)
{
    return QObject::connect(sender, signal, receiver,
                            [receiver, method] { runHandler([&] { (receiver->*method)(); }); });
}

} // namespace forms
