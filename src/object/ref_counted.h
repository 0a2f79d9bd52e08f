// Reference counting shared by the host's COM objects: interlocked counts, deletion
// at zero, and a message (never a second deletion) when a count drops below zero.
#pragma once

#include <windows.h>

#include <stdio.h>

template <class Derived>
class RefCounted {
protected:
    RefCounted() = default;
    ~RefCounted() = default;

    ULONG AddReference() noexcept { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    // owner names the class in the message, e.g. "NObjectWrap".
    ULONG ReleaseReference(const char* owner) noexcept {
        LONG n = InterlockedDecrement(&refs_);
        if (n == 0) {
            delete static_cast<Derived*>(this);
            return 0;
        }
        if (n < 0) printf("Internal error in %s::Release()\n", owner);
        return static_cast<ULONG>(n);
    }

private:
    LONG refs_ = 0;
};
