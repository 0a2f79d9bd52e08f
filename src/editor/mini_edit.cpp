// MiniEdit: the editor window, its thread, its commands and the edit area's filter.
#include "editor/mini_edit.h"

#include <commdlg.h>
#include <stdio.h>
#include <stdlib.h>

#include <memory>

#include "editor/ini_settings.h"
#include "editor/open_editor.h"
#include "editor/simple_button.h"
#include "editor/subclass_window.h"
#include "object/text.h"

namespace {
const char kIniName[] = "medit.ini";
const int kDefaultFontSize = 13;
// Private message: destroy the window on its own thread (the editor is going away).
const UINT WM_EDITORQUIT = WM_APP + 1;

// "ＭＳ ゴシック" in the narrow character set; where that cannot spell it, the same
// face by its English name.
std::string DefaultFace() {
    BOOL lossy = FALSE;
    char face[LF_FACESIZE * 2] = {};
    const int n = WideCharToMultiByte(CP_ACP, 0, L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF", -1, face, sizeof face,
                                      nullptr, &lossy);
    return n > 0 && !lossy ? std::string(face) : std::string("MS Gothic");
}

HMENU BuildMenuBar() {
    struct Item {
        const char* text;  // null: a separator
        int id;
    };
    struct Menu {
        const char* title;
        Item items[9];
        int count;
    };
    static const Menu menus[] = {
        {"File(&F)", {{"Clear(&C)", MiniEdit::Clear}, {nullptr, 0}, {"Open(&O)", MiniEdit::Open}, {"Save(&S)", MiniEdit::Save}}, 4},
        {"Edit(&E)",
         {{"Undo(&U)", MiniEdit::Undo}, {nullptr, 0}, {"Cut(&T)", MiniEdit::Cut}, {"Copy(&C)", MiniEdit::Copy},
          {"Paste(&P)", MiniEdit::Paste}, {"Delete(&D)", MiniEdit::Delete}, {nullptr, 0},
          {"Select all(&A)", MiniEdit::SelectAll}},
         8},
        {"Display(&D)", {{"Font(&F)", MiniEdit::Font}, {"Background(&B)", MiniEdit::Background}}, 2},
    };
    HMENU bar = CreateMenu();
    for (const Menu& menu : menus) {
        HMENU popup = CreatePopupMenu();
        for (int i = 0; i < menu.count; ++i) {
            const Item& item = menu.items[i];
            if (item.text) {
                AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(item.id), item.text);
            } else {
                AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
            }
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), menu.title);
    }
    return bar;
}

struct FileCloser {
    void operator()(FILE* file) const { fclose(file); }
};
using unique_file = std::unique_ptr<FILE, FileCloser>;

std::string HexSetting(COLORREF colour) {
    char text[16];
    snprintf(text, sizeof text, "%08x", static_cast<unsigned>(colour));
    return text;
}

std::string DecimalSetting(long value) { return std::to_string(value); }

// The first font the screen knows by this face, if any.
int CALLBACK TakeFirstFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<LOGFONTA*>(found) = *font;
    return 0;
}

// A line of the edit area, up to limit bytes.
std::string EditLine(HWND edit, int line, size_t limit) {
    std::string buffer(limit + 1, '\0');
    *reinterpret_cast<WORD*>(&buffer[0]) = static_cast<WORD>(limit);
    const LRESULT got = SendMessageA(edit, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&buffer[0]));
    buffer.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return buffer;
}

// The line holding the selection's start, and the start's offset in that line.
void CaretPlace(HWND edit, int* line, int* offset) {
    DWORD start = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    *line = static_cast<int>(SendMessageA(edit, EM_LINEFROMCHAR, start, 0));
    const LRESULT lineStart = SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(*line), 0);
    *offset = static_cast<int>(start) - static_cast<int>(lineStart);
}

MiniEdit& Editor() {
    static MiniEdit editor;
    return editor;
}
}  // namespace

std::string openEditor(const char* title) { return Editor().Run(title ? title : "Script Editor"); }

MiniEdit::MiniEdit() : iniPath_(resolveIniPath(kIniName)) {
    background_ = readIniHex(iniPath_, "bgColor", 0x00FFFFFF);
    foreground_ = readIniHex(iniPath_, "fgColor", 0);
}

MiniEdit::~MiniEdit() {
    // The window belongs to the editor thread: it must destroy it, which ends the thread.
    if (thread_ && hwnd()) {
        PostMessageA(hwnd(), WM_EDITORQUIT, 0, 0);
        WaitForSingleObject(thread_.get(), 2000);
    }
}

std::string MiniEdit::Run(const char* title) {
    static const bool registered = registerSimpleButton(nullptr);
    (void)registered;
    if (!thread_) {
        title_ = title;
        started_.store(false);
        thread_.reset(CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
        if (!thread_) return std::string();
        while (!started_.load(std::memory_order_acquire)) Sleep(0);
    }
    HWND window = hwnd();
    if (!window) return std::string();
    done_.store(false, std::memory_order_relaxed);
    if (!IsWindowVisible(window)) {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        UpdateWindow(window);
    }
    while (!done_.load(std::memory_order_acquire)) Sleep(1);
    return run_ ? CrLfToLf(text_) : std::string();
}

DWORD WINAPI MiniEdit::ThreadMain(void* param) {
    auto* self = static_cast<MiniEdit*>(param);
    RECT outer = {0, 0, 520, 228};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, TRUE);
    HMENU menu = BuildMenuBar();
    const bool made = self->CreateHostWindow(0, self->title_.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                             CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                                             nullptr, menu, nullptr);
    if (!made) DestroyMenu(menu);
    self->started_.store(true, std::memory_order_release);
    if (!made) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

void MiniEdit::OnCreate() {
    HINSTANCE instance = ProgramInstance();
    edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE,
                            0, 0, 520, 200, hwnd(), nullptr, instance, nullptr);
    // The default limit (about 30,000 characters) would cut longer scripts short.
    SendMessageA(edit_, EM_SETLIMITTEXT, 0, 0);
    MakeFont();
    const int tabStop = 16;
    SendMessageA(edit_, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    SendMessageA(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 0));
    backgroundBrush_.reset(CreateSolidBrush(background_));
    layout_.Add(edit_, AlignManager::Left | AlignManager::Top | AlignManager::Right | AlignManager::Bottom);
    SetWindowTextA(edit_, text_.c_str());

    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    execute_ = CreateWindowExA(0, kSimpleButtonClass, "Execute", style, 348, 205, 80, 20, hwnd(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(Execute)), instance, nullptr);
    cancel_ = CreateWindowExA(0, kSimpleButtonClass, "Cancel", style, 436, 205, 80, 20, hwnd(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(Cancel)), instance, nullptr);
    indicator_ = CreateWindowExA(0, "Static", "1: 1", WS_CHILD | WS_VISIBLE, 5, 205, 60, 20, hwnd(), nullptr,
                                 instance, nullptr);
    SendMessageA(indicator_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    layout_.Add(indicator_, AlignManager::Left | AlignManager::Bottom);
    layout_.Add(execute_, AlignManager::Right | AlignManager::Bottom);
    layout_.Add(cancel_, AlignManager::Right | AlignManager::Bottom);
    subclassWindow(edit_, EditFilter, this);

    RECT rect;
    GetWindowRect(hwnd(), &rect);
    const int width = readIniInt(iniPath_, "Width", rect.right - rect.left);
    const int height = readIniInt(iniPath_, "Height", rect.bottom - rect.top);
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

void MiniEdit::MakeFont() {
    const std::string face = readIniString(iniPath_, "FontName", DefaultFace());
    const int size = readIniInt(iniPath_, "FontSize", kDefaultFontSize);
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
    LOGFONTA found = {};
    if (screen_dc screen; screen.get())
        EnumFontFamiliesExA(screen.get(), &wanted, TakeFirstFont, reinterpret_cast<LPARAM>(&found), 0);
    // A face the screen does not know is left to the font mapper by its name.
    fontDescription_ = found.lfFaceName[0] ? found : wanted;
    fontDescription_.lfHeight = size;
    fontDescription_.lfWidth = 0;
    fontDescription_.lfQuality = PROOF_QUALITY;
    HFONT font = CreateFontIndirectA(&fontDescription_);
    if (!font) {
        LOGFONTA fallback = {};
        fallback.lfHeight = kDefaultFontSize;
        fallback.lfCharSet = DEFAULT_CHARSET;
        fallback.lfQuality = PROOF_QUALITY;
        lstrcpynA(fallback.lfFaceName, DefaultFace().c_str(), LF_FACESIZE);
        font = CreateFontIndirectA(&fallback);
        if (font) fontDescription_ = fallback;
    }
    SetEditFont(font, false);
}

void MiniEdit::SetEditFont(HFONT font, bool redraw) {
    if (!font) return;
    SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    font_.reset(font);  // the font it replaces is deleted
}

void MiniEdit::Dismiss(bool run) {
    run_ = run;
    if (run) text_ = WindowTextOf(edit_);
    ShowWindow(hwnd(), SW_HIDE);
    done_.store(true, std::memory_order_release);
}

LRESULT MiniEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_EDITORQUIT:
        DestroyWindow(hwnd());
        return 0;
    case WM_SIZE: {
        layout_.Apply();
        const int width = LOWORD(lParam), height = HIWORD(lParam);
        if (width != 0) writeIniString(iniPath_, "Width", DecimalSetting(width));
        if (height > 0) writeIniString(iniPath_, "Height", DecimalSetting(height));
        return 0;
    }
    case WM_CLOSE:
        Dismiss(false);
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_3DFACE));
        return 1;
    }
    case WM_SHOWWINDOW:
        if (wParam) SetFocus(edit_);
        return 0;
    case WM_NOTIFY:
        return 0;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == edit_) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, OPAQUE);
            SetTextColor(dc, foreground_);
            SetBkColor(dc, background_);
            return reinterpret_cast<LRESULT>(backgroundBrush_.get());
        }
        return DefaultProc(message, wParam, lParam);
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

void MiniEdit::OnCommand(int id) {
    switch (id) {
    case Execute: Dismiss(true); break;
    case Cancel: Dismiss(false); break;
    case Clear:
        if (MessageBoxA(hwnd(), "Really clear all text?", "Script Editor", MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
            SetWindowTextA(edit_, "");
        break;
    case Open: LoadScript(); break;
    case Save: SaveScript(); break;
    case Cut: SendMessageA(edit_, WM_CUT, 0, 0); break;
    case Copy: SendMessageA(edit_, WM_COPY, 0, 0); break;
    case Paste: SendMessageA(edit_, WM_PASTE, 0, 0); break;
    case Delete: SendMessageA(edit_, WM_CLEAR, 0, 0); break;
    case Undo: SendMessageA(edit_, EM_UNDO, 0, 0); break;
    case SelectAll: SendMessageA(edit_, EM_SETSEL, 0, -1); break;
    case Font: PickFont(); break;
    case Background: PickBackground(); break;
    default: break;
    }
}

namespace {
// The file chosen in the open or save dialog; empty when cancelled.
std::string ChooseScriptFile(HWND owner, bool save) {
    char path[MAX_PATH] = {};
    OPENFILENAMEA info = {};
    info.lStructSize = sizeof info;
    info.hwndOwner = owner;
    info.lpstrFilter = "All files(*.*)\0*.*\0";
    info.nFilterIndex = 1;
    info.lpstrFile = path;
    info.nMaxFile = MAX_PATH;
    info.lpstrTitle = save ? "Save Script" : "Load Script";
    info.Flags = OFN_EXPLORER | OFN_HIDEREADONLY |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameA(&info) : GetOpenFileNameA(&info);
    return chosen ? std::string(path) : std::string();
}
}  // namespace

void MiniEdit::LoadScript() {
    const std::string path = ChooseScriptFile(hwnd(), false);
    if (path.empty()) return;
    // Read as bytes, so that no byte ends the text early; line ends become CR LF.
    unique_file file(fopen(path.c_str(), "rb"));
    if (!file) return;
    std::string text;
    char piece[1024];
    size_t got;
    while ((got = fread(piece, 1, sizeof piece, file.get())) > 0) text.append(piece, got);
    // The edit area shows CR LF line ends, whichever the file has.
    SetWindowTextA(edit_, LfToCrLf(CrLfToLf(text)).c_str());
}

void MiniEdit::SaveScript() {
    const std::string path = ChooseScriptFile(hwnd(), true);
    if (path.empty()) return;
    unique_file file(fopen(path.c_str(), "w"));
    if (!file) return;
    const std::string text = CrLfToLf(WindowTextOf(edit_));
    fwrite(text.data(), 1, text.size(), file.get());
}

void MiniEdit::PickFont() {
    LOGFONTA chosen = fontDescription_;
    CHOOSEFONTA info = {};
    info.lStructSize = sizeof info;
    info.hwndOwner = hwnd();
    info.lpLogFont = &chosen;
    info.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    info.rgbColors = foreground_;
    if (!ChooseFontA(&info)) return;
    HFONT font = CreateFontIndirectA(&chosen);
    if (!font) return;
    fontDescription_ = chosen;
    writeIniString(iniPath_, "FontName", chosen.lfFaceName);
    writeIniString(iniPath_, "FontSize", DecimalSetting(labs(chosen.lfHeight)));
    writeIniString(iniPath_, "fgColor", HexSetting(info.rgbColors));
    foreground_ = info.rgbColors;
    SetEditFont(font, true);
    InvalidateRect(edit_, nullptr, TRUE);
}

void MiniEdit::PickBackground() {
    static COLORREF custom[16] = {};
    CHOOSECOLORA info = {};
    info.lStructSize = sizeof info;
    info.hwndOwner = hwnd();
    info.rgbResult = background_;
    info.lpCustColors = custom;
    info.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!ChooseColorA(&info)) return;
    HBRUSH brush = CreateSolidBrush(info.rgbResult);
    if (!brush) return;
    background_ = info.rgbResult;
    writeIniString(iniPath_, "bgColor", HexSetting(background_));
    backgroundBrush_.reset(brush);
    InvalidateRect(edit_, nullptr, TRUE);
}

bool MiniEdit::EditFilter(HWND, UINT& message, WPARAM& wParam, LPARAM&, void* param) {
    auto* self = static_cast<MiniEdit*>(param);
    switch (message) {
    case WM_CHAR:
        if (wParam == '\r') self->AutoIndent();
        break;
    case WM_KEYUP:
        self->UpdateIndicator();
        if (wParam == VK_F5) SendMessageA(self->hwnd(), WM_COMMAND, Execute, 0);
        break;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        self->UpdateIndicator();
        break;
    default:
        break;
    }
    return true;
}

void MiniEdit::AutoIndent() {
    int line, offset;
    CaretPlace(edit_, &line, &offset);
    const std::string text = EditLine(edit_, line, 1024);
    // The indentation follows the new line's break: posted characters come after the
    // Enter being handled, and before any key the user typed since.
    for (int i = 0; i < offset && i < static_cast<int>(text.size()); ++i) {
        const char c = text[static_cast<size_t>(i)];
        if (c != ' ' && c != '\t') break;
        PostMessageA(edit_, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
    }
}

void MiniEdit::UpdateIndicator() {
    int line, offset;
    CaretPlace(edit_, &line, &offset);
    const std::string text = EditLine(edit_, line, 2048);
    const MultiByteTable& narrow = NarrowTable();
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(text.data());
    int column = 0;
    // The offset counts characters; a double-byte character is one of them.
    for (size_t i = 0; offset > 0 && i < text.size(); --offset) {
        if (bytes[i] == '\t') {
            column = (column / 4 + 1) * 4;
        } else {
            ++column;
        }
        i += narrow.IsPair(bytes, text.size(), i) ? 2 : 1;
    }
    char shown[32];
    snprintf(shown, sizeof shown, "%d: %d", line + 1, column + 1);
    SetWindowTextA(indicator_, shown);
}
