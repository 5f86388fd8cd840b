#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <utility>

// The application's general error box: an error no routine caught is shown with its own
// message, and the program goes on.
void ShowGeneralError(const QString& message);
// The message of an escaping error of any kind.
QString MessageOf(const std::exception_ptr& error);

// Runs a handler so that nothing it throws unwinds through Qt's event loop: an escaping
// error goes to the general error box. Every handler connected to a widget runs inside it.
template <class Handler> void Guarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        ShowGeneralError(MessageOf(std::current_exception()));
    }
}

// Connects a signal to a handler of `receiver` that runs inside Guarded. The handler is a
// member function taking the signal's arguments (or none), or any callable taking none.
template <class Sender, class Signal, class Receiver, class R, class... Args>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, Receiver* receiver,
                                       R (Receiver::*handler)(Args...)) {
    return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
        Guarded([&] { (receiver->*handler)(args...); });
    });
}

template <class Sender, class Signal, class Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, QObject* context,
                                       Handler handler) {
    return QObject::connect(sender, signal, context,
                            [handler = std::move(handler)] { Guarded(handler); });
}
