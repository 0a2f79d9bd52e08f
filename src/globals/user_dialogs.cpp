// User dialogs. The owner frame, when given, is told around each dialog that a host
// dialog covers it; the platform disables it while the dialog is open.
#include "globals/user_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <memory>

#include "globals/input_box.h"
#include "object/com_ptr.h"
#include "object/text.h"
#include "window/nframe.h"
#include "window/nwindow.h"
#include "window/prompt_text.h"

namespace {
// The owner frame (when the first argument is one) and the arguments after it.
class DialogArgs {
public:
    explicit DialogArgs(ArgList& args) : args_(args) {
        if (!args.empty() && FrameOwner(args[0], &owner_)) first_ = 1;
    }
    HWND owner() const { return owner_; }
    size_t count() const { return args_.count() - first_; }
    // The i-th remaining argument as text, or fallback when it is not given.
    std::string Text(size_t i, const std::string& fallback = std::string()) const {
        return i < count() ? args_[first_ + i].ToText() : fallback;
    }
    std::string Caption(size_t i) const { return Text(i, ProgramBaseName()); }

private:
    ArgList& args_;
    HWND owner_ = nullptr;
    size_t first_ = 0;
};

// Tells the owner that a host dialog opens over it, and that it has closed.
class HostDialog {
public:
    explicit HostDialog(HWND owner) : owner_(owner) {
        if (owner_) SendMessageA(owner_, WM_HOSTDIALOGOPEN, 0, 0);
    }
    HostDialog(const HostDialog&) = delete;
    HostDialog& operator=(const HostDialog&) = delete;
    ~HostDialog() {
        if (owner_ && IsWindow(owner_)) SendMessageA(owner_, WM_HOSTDIALOGCLOSED, 0, 0);
    }

private:
    HWND owner_;
};

int MessageBoxOver(const DialogArgs& args, UINT flags) {
    HostDialog shown(args.owner());
    return MessageBoxA(args.owner(), args.Text(0).c_str(), args.Caption(1).c_str(), flags);
}

HRESULT Input(ArgList& list, com_var& result, InputMode mode) {
    DialogArgs args(list);
    if (args.count() < 1 || args.count() > 3) return DISP_E_BADPARAMCOUNT;
    std::string text = args.Text(1);
    bool confirmed;
    {
        HostDialog shown(args.owner());
        confirmed = InputBox(args.owner(), args.Caption(2), args.Text(0), text, mode);
    }
    if (confirmed) result = com_var(text);
    return S_OK;
}

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEA*);

HRESULT ChooseFile(ArgList& list, com_var& result, FileDialogFunction choose, DWORD flags) {
    DialogArgs args(list);
    if (args.count() > 1) return DISP_E_BADPARAMCOUNT;
    const std::string caption = args.Caption(0);
    char path[MAX_PATH] = {};
    OPENFILENAMEA info = {};
    info.lStructSize = sizeof info;
    info.hwndOwner = args.owner();
    info.hInstance = ProgramInstance();
    info.lpstrFilter = "All Files (*.*)\0*.*\0";
    info.nFilterIndex = 1;
    info.lpstrFile = path;
    info.nMaxFile = MAX_PATH;
    info.lpstrTitle = caption.c_str();
    info.lpstrDefExt = "";
    // Wine's dialog moves the current folder to the one it shows, and the script's
    // relative file names would follow it.
    info.Flags = flags | OFN_NOCHANGEDIR;
    BOOL chosen;
    {
        HostDialog shown(args.owner());
        chosen = choose(&info);
    }
    if (chosen) result = com_var(std::string(path));
    return S_OK;
}

// The folder chooser's caption and whether it has an owner, for its callback.
struct FolderDialogSetup {
    std::wstring caption;
    bool owned;
};

int CALLBACK FolderDialogCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message != BFFM_INITIALIZED) return 0;
    const auto* setup = reinterpret_cast<const FolderDialogSetup*>(data);
    if (!setup->caption.empty()) SetWindowTextW(window, setup->caption.c_str());
    CentreOnScreen(window);
    if (!setup->owned) SetForegroundWindow(window);
    return 0;
}

// The chosen folder's path; false when cancelled. The wide functions keep the
// Japanese default prompt whatever the ANSI code page.
bool FolderDialog(HWND owner, const std::wstring& prompt, const std::string& caption, std::string* path) {
    com_ptr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.put())) || !allocator) return false;
    FolderDialogSetup setup{ToWide(caption), owner != nullptr};
    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.lpszTitle = prompt.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = FolderDialogCallback;
    info.lParam = reinterpret_cast<LPARAM>(&setup);
    // The item list is the shell allocator's to free.
    const auto free = [&allocator](ITEMIDLIST* list) { allocator->Free(list); };
    const std::unique_ptr<ITEMIDLIST, decltype(free)> chosen(SHBrowseForFolderW(&info), free);
    if (!chosen) return false;
    wchar_t wide[MAX_PATH] = {};
    *path = SHGetPathFromIDListW(chosen.get(), wide) ? ToNarrow(wide) : std::string();
    return true;
}
}  // namespace

HRESULT f_alert(NScript*, ArgList& list, com_var&) {
    DialogArgs args(list);
    if (args.count() < 1 || args.count() > 2) return DISP_E_BADPARAMCOUNT;
    MessageBoxOver(args, MB_OK | MB_SETFOREGROUND);
    return S_OK;
}

HRESULT f_confirm(NScript*, ArgList& list, com_var& result) {
    DialogArgs args(list);
    if (args.count() < 1 || args.count() > 2) return DISP_E_BADPARAMCOUNT;
    result = com_var(MessageBoxOver(args, MB_OKCANCEL | MB_SETFOREGROUND) == IDOK);
    return S_OK;
}

HRESULT f_prompt(NScript*, ArgList& args, com_var& result) { return Input(args, result, InputMode::Plain); }

HRESULT f_passwd(NScript*, ArgList& args, com_var& result) { return Input(args, result, InputMode::Password); }

HRESULT f_openDlg(NScript*, ArgList& args, com_var& result) {
    return ChooseFile(args, result, GetOpenFileNameA,
                      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY);
}

HRESULT f_saveDlg(NScript*, ArgList& args, com_var& result) {
    return ChooseFile(args, result, GetSaveFileNameA, OFN_EXPLORER | OFN_OVERWRITEPROMPT);
}

HRESULT f_folderDlg(NScript*, ArgList& list, com_var& result) {
    DialogArgs args(list);
    if (args.count() > 2) return DISP_E_BADPARAMCOUNT;
    // "フォルダを選択してください": choose a folder.
    const std::wstring prompt =
        args.count() > 0 ? ToWide(args.Text(0)) : std::wstring(L"\x30D5\x30A9\x30EB\x30C0\x3092\x9078\x629E\x3057\x3066\x304F\x3060\x3055\x3044");
    std::string path;
    bool chosen;
    {
        HostDialog shown(args.owner());
        chosen = FolderDialog(args.owner(), prompt, args.Caption(1), &path);
    }
    if (chosen) result = com_var(path);
    return S_OK;
}
