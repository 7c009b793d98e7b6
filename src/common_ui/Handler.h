#pragma once

#include <QObject>
#include <QString>

#include <exception>
#include <type_traits>
#include <utility>

// Every window handler runs through geschuetzt(): an error of the program or of the database ends
// that handler with the standard box titled "Varno" and goes no further, so no exception travels
// through Qt's frames (Qt documents that as undefined behaviour). What the handler did before the
// error stays done unless it ran inside a transaction.

namespace handler {
// The standard error box for an error that ended a handler.
void fehlerZeigen(const std::exception& fehler);
} // namespace handler

// Runs the handler; returns whether it ran to its end.
template <typename Handler> bool geschuetzt(Handler&& h)
{
    try {
        std::forward<Handler>(h)();
        return true;
    } catch (const std::exception& fehler) {
        handler::fehlerZeigen(fehler);
    }
    return false;
}

namespace handler {
// The argument types of a slot, so the guarded call takes exactly what the slot takes and Qt can
// match it against the signal as it would match the slot itself.
template <typename Slot> struct Argumente : Argumente<decltype(&Slot::operator())> {};
template <typename R, typename C, typename... A> struct Argumente<R (C::*)(A...)> {
    template <typename Aufruf> static auto huelle(Aufruf aufruf)
    {
        return [aufruf](A... argumente) { geschuetzt([&] { aufruf(std::forward<A>(argumente)...); }); };
    }
};
template <typename R, typename C, typename... A>
struct Argumente<R (C::*)(A...) const> : Argumente<R (C::*)(A...)> {};
} // namespace handler

// QObject::connect for window handlers: the slot (a member of the receiver or a function object)
// runs through geschuetzt().
template <typename Sender, typename Signal, typename Empfaenger, typename Slot>
QMetaObject::Connection verbinden(Sender* sender, Signal signal, Empfaenger* empfaenger, Slot slot,
                                  Qt::ConnectionType art = Qt::AutoConnection)
{
    if constexpr (std::is_member_function_pointer_v<Slot>) {
        const auto aufruf = [empfaenger, slot](auto&&... argumente) {
            (empfaenger->*slot)(std::forward<decltype(argumente)>(argumente)...);
        };
        return QObject::connect(sender, signal, empfaenger, handler::Argumente<Slot>::huelle(aufruf), art);
    } else {
        return QObject::connect(sender, signal, empfaenger, handler::Argumente<Slot>::huelle(std::move(slot)), art);
    }
}
