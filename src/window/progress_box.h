// ProgressBox: the progress dialog (message, bar, percentage in the caption, optional
// Cancel button), run on a thread of its own, or on the script's thread over a frame.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "object/handles.h"

// How the Cancel button behaves.
enum class CancelMode : int32_t { AtOnce = 0, Ask = 1, None = 2 };

class ProgressBox : public std::enable_shared_from_this<ProgressBox> {
public:
    // Sent to the dialog: close it; set the message (wParam: const char*); set the
    // position (wParam: tenths of a percent).
    static constexpr UINT kClose = 0x0687;
    static constexpr UINT kSetMessage = 0x0688;
    static constexpr UINT kSetPosition = 0x0689;
    // Sent to the owner once the box is gone: wParam 1 unless cancelled, lParam the box.
    static constexpr UINT kClosedNotice = 0x079F;
    static constexpr const char* kPropName = "PGBoxPropName";

    ProgressBox(HWND owner, std::string message, std::string title, int32_t mode);
    ProgressBox(const ProgressBox&) = delete;
    ProgressBox& operator=(const ProgressBox&) = delete;
    // Closes a box that is still open.
    ~ProgressBox();

    // Shows the box: over owner on the calling thread, or on a new thread when owner is
    // null. Null when the dialog cannot be made.
    static std::shared_ptr<ProgressBox> Open(HWND owner, std::string message, std::string title, int32_t mode);

    // Moves the bar to percent (when given) and replaces the message (when given);
    // with an owner, serves the thread's messages for a moment. True unless cancelled.
    bool Step(const double* percent, const std::string* text);
    // Destroys the dialog (and ends its thread); true unless cancelled.
    bool Close();

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static DWORD WINAPI ThreadMain(void* param);
    bool Create();
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void Paint();
    void Cancel();
    void SetOwnerEnabled(bool enabled);
    void ServeOwnerThread();

    // Written by the dialog's thread, read by the script's.
    std::atomic<HWND> dialog_{nullptr};
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> asking_{false};
    std::atomic<bool> shown_{false};  // the dialog has been made and shown

    const HWND owner_;  // null: the box runs on thread_
    const std::string title_;
    std::string message_;
    const CancelMode mode_;
    HWND disabledOwner_ = nullptr;  // the top-level window this box disabled
    kernel_handle thread_;
    bool closed_ = false;  // script side only
};
