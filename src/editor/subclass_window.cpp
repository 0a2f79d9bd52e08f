// subclassWindow: the record under a window property and the procedure that runs the
// filter before the window's own.
#include "editor/subclass_window.h"

#include <new>

namespace {
constexpr char kPropName[] = "SubClassWindow InfoProp";

struct SubclassRecord {
    void* data;
    SubclassFilter filter;
    WNDPROC previous;
};

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

bool SetProcedure(HWND window, WNDPROC procedure) {
    SetLastError(0);
    return SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)) != 0 ||
           GetLastError() == 0;
}

LRESULT CALLBACK FilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* record = static_cast<SubclassRecord*>(GetPropA(window, kPropName));
    if (!record) return 0;
    const UINT original = message;
    const WNDPROC previous = record->previous;
    // The filter may destroy the window, and the record with it: the property tells.
    const auto attached = [&] { return GetPropA(window, kPropName) == record; };
    LRESULT result = 0;
    try {
        if (record->filter(window, message, wParam, lParam, record->data) && attached())
            result = CallWindowProcA(previous, window, message, wParam, lParam);
    } catch (...) {
        // Nothing thrown by a filter may reach the platform's code.
    }
    // The window's own WM_DESTROY ends the filtering, whatever the filter made of it:
    // a record left behind would outlive the window.
    if ((original == WM_DESTROY || message == WM_DESTROY) && attached()) {
        RemovePropA(window, kPropName);
        SetProcedure(window, previous);
        delete record;
    }
    return result;
}
}  // namespace

bool subclassWindow(HWND window, SubclassFilter filter, void* data) {
    const WNDPROC previous = window ? ProcedureOf(window) : nullptr;
    // A second filter would find its own procedure as the previous one and call itself.
    if (!previous || !filter || GetPropA(window, kPropName)) return false;
    auto* record = new (std::nothrow) SubclassRecord{data, filter, previous};
    if (!record) return false;
    if (!SetPropA(window, kPropName, record)) {
        delete record;
        return false;
    }
    if (!SetProcedure(window, FilterProc)) {
        RemovePropA(window, kPropName);
        delete record;
        return false;
    }
    return true;
}
