// Calls into foreign code that may fault: a processor exception raised inside the call
// (an access violation, say) ends the call instead of the process.
#pragma once

#include <type_traits>

// Runs call(context) on this thread; one thread at a time makes guarded calls. False when a processor fault ended it; the
// foreign code's state is then whatever it was when it faulted.
bool CallGuarded(void (*call)(void* context), void* context);

template <class F>
bool CallGuarded(F&& f) {
    using Call = std::remove_reference_t<F>;
    return CallGuarded([](void* c) { (*static_cast<Call*>(c))(); }, &f);
}
