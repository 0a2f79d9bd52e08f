// A guarded call registers the thread and a jump buffer; a vectored exception handler
// sees a processor fault on that thread first, before any frame's handler, and jumps
// back to the guarded call. Only processor faults are taken: exceptions raised on
// purpose (C++ exceptions among them) and stack overflow, after which the stack's
// guard page would be gone, go their usual way.
#include "host/fault_guard.h"

#include <windows.h>

#include <string.h>

namespace {
// The jump buffer of __builtin_setjmp: five words.
using JumpBuffer = void* [5];

JumpBuffer g_jump;
DWORD g_thread = 0;  // the thread inside a guarded call, 0 when none is

bool IsProcessorFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_UNDERFLOW:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
        return true;
    default:
        return false;
    }
}

LONG CALLBACK OnFault(EXCEPTION_POINTERS* e) {
    if (g_thread == 0 || g_thread != GetCurrentThreadId() || !IsProcessorFault(e->ExceptionRecord->ExceptionCode))
        return EXCEPTION_CONTINUE_SEARCH;
    g_thread = 0;
    __builtin_longjmp(g_jump, 1);
}

// Kept out of line: __builtin_setjmp's frame must be this function's own.
__attribute__((noinline)) bool RunGuarded(void (*call)(void*), void* context) {
    if (__builtin_setjmp(g_jump)) return false;
    g_thread = GetCurrentThreadId();
    call(context);
    g_thread = 0;
    return true;
}
}  // namespace

bool CallGuarded(void (*call)(void*), void* context) {
    static const PVOID handler = AddVectoredExceptionHandler(1, OnFault);
    if (!handler) return false;
    // A guarded call made from inside another (foreign code that calls back into the
    // host) leaves the outer one's jump buffer as it found it.
    JumpBuffer outer;
    memcpy(outer, g_jump, sizeof outer);
    const DWORD outerThread = g_thread;
    const bool ok = RunGuarded(call, context);
    memcpy(g_jump, outer, sizeof outer);
    g_thread = outerThread;
    return ok;
}
