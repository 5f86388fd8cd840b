#pragma once

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
