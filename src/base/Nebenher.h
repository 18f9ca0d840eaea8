// Work that runs beside the main thread while the program starts, on its own thread. What
// the main thread needs only later runs at a lower priority: it takes the processor time the
// main thread leaves and does not push aside the main thread, which the first window waits for.
#pragma once

#include <future>
#include <type_traits>
#include <utility>

namespace mvt {

// Lowers the calling thread's priority (its nice value by 10); nothing where the system
// does not allow it.
void ThreadNachrangigMachen();

// How soon the main thread needs the result: Bald keeps the thread's priority (the main
// thread will wait for it shortly), Spaeter lowers it.
enum class TDringlichkeit { Bald, Spaeter };

// Runs f on a new thread; the future waits for it and gives its result.
template <class F> auto NebenherAusfuehren(TDringlichkeit d, F f) -> std::future<std::invoke_result_t<F &>>
{
    return std::async(std::launch::async, [d, f = std::move(f)]() mutable {
        if (d == TDringlichkeit::Spaeter)
            ThreadNachrangigMachen();
        return f();
    });
}

} // namespace mvt
