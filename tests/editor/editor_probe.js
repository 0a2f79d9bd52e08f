// Looks at and drives the talk-mode editor of another kova process, for the editor
// screen tests: ./kova editor_probe.js COMMAND [ARG]. Loaded before talk mode
// (kova -t editor_probe.js) it only defines handles(), for the leak check.
var user32 = "user32.dll";
var FindTitle = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var FindChild = new DllFunc(user32, "handle FindWindowExA(handle, handle, string, ptr) stdcall");
var GetDlgItem = new DllFunc(user32, "handle GetDlgItem(handle, int) stdcall");
var SendMessage = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, binary) stdcall");
var SendCommand = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
var PostMessage = new DllFunc(user32, "int PostMessageA(handle, uint, ptr, ptr) stdcall");
var GetWindowRect = new DllFunc(user32, "int GetWindowRect(handle, binary) stdcall");
var IsWindowVisible = new DllFunc(user32, "int IsWindowVisible(handle) stdcall");
var GetSysColor = new DllFunc(user32, "uint GetSysColor(int) stdcall");
var WM_GETTEXT = 0x000D, WM_CLOSE = 0x0010, WM_COMMAND = 0x0111, CANCEL = 11;

function editor() { return FindTitle(0, "KOVA ver.0.00a"); }

// A window's text with CR, LF, tab, backslash and bytes outside ASCII escaped.
function textOf(hwnd) {
    var blob = new BinaryBlob(4096);
    var n = SendMessage(hwnd, WM_GETTEXT, 4096, blob);
    var bytes = blob.get("byte").slice(0, n), out = "";
    var names = { 9: "\\t", 10: "\\n", 13: "\\r", 92: "\\\\" };
    for (var i = 0; i < n; i++) {
        var b = bytes[i];
        out += names[b] || (b >= 32 && b < 127 ? String.fromCharCode(b) : "\\x" + (b + 256).toString(16).slice(1));
    }
    return out;
}

// "name left top width height" of a window on the screen.
function place(name, hwnd) {
    var blob = new BinaryBlob(16);
    GetWindowRect(hwnd, blob);
    var r = blob.get("int32");
    return name + " " + r[0] + " " + r[1] + " " + (r[2] - r[0]) + " " + (r[3] - r[1]);
}

// Waits up to 10 s for the editor to show; false when it did not.
function waitShown() {
    for (var end = tick() + 10000; tick() < end; sleep(5)) {
        var w = editor();
        if (w && IsWindowVisible(w)) return true;
    }
    return false;
}

var commands = {
    text: function (w) { print(textOf(FindChild(w, 0, "Edit", 0))); },
    indicator: function (w) { print(textOf(FindChild(w, 0, "Static", 0))); },
    post: function (w, id) { PostMessage(w, WM_COMMAND, +id, 0); },
    // Where the parts are, and the face colour as RRGGBB.
    places: function (w) {
        var face = GetSysColor(15);  // 0x00BBGGRR
        print([place("frame", w), place("edit", FindChild(w, 0, "Edit", 0)), place("execute", GetDlgItem(w, 10)),
               place("cancel", GetDlgItem(w, 11)), place("indicator", FindChild(w, 0, "Static", 0)),
               "face " + (((face & 255) << 16 | face & 0xFF00 | face >> 16 & 255) + 0x1000000).toString(16).slice(1)].join("\n"));
    },
    // Dismisses the editor count times as it shows, by Cancel and by closing in turn;
    // the message is sent, so the window is hidden again before the next wait.
    dismiss: function (w, count) {
        for (var i = 0; i < +count; i++) {
            if (!waitShown()) return print("the editor did not show for opening " + (i + 1));
            SendCommand(editor(), i % 2 ? WM_CLOSE : WM_COMMAND, i % 2 ? 0 : CANCEL, 0);
        }
        print("dismissed " + count);
    },
    // Where a control of a dialog is, by the dialog's title and the control's id, once
    // the dialog shows.
    item: function (w, title, id) {
        for (var end = tick() + 10000, box = 0; !box && tick() < end; sleep(20)) box = FindTitle(0, title);
        print(box ? place("item", GetDlgItem(box, +id)) : "no dialog " + title);
    },
    shown: function () { print(waitShown() ? "shown" : "not shown"); }
};

// The highest GDI and USER handle places a batch of new brushes and menus takes:
// Wine answers GetGuiResources with 0, so a leak shows as growth of these instead.
function handles() {
    var CreateSolidBrush = new DllFunc("gdi32.dll", "handle CreateSolidBrush(uint) stdcall");
    var DeleteObject = new DllFunc("gdi32.dll", "int DeleteObject(handle) stdcall");
    var CreateMenu = new DllFunc(user32, "handle CreateMenu() stdcall");
    var DestroyMenu = new DllFunc(user32, "int DestroyMenu(handle) stdcall");
    function highest(create, destroy, count) {
        var made = [], top = 0;
        for (var i = 0; i < count; i++) top = Math.max(top, (made[i] = create()) % 65536);
        while (made.length) destroy(made.pop());
        return top;
    }
    return "gdi " + highest(function () { return CreateSolidBrush(0x123456); }, DeleteObject, 2000) +
           " user " + highest(CreateMenu, DestroyMenu, 12000);
}

function main(args) {
    if (!args.length) return 0;
    var command = commands[args[0]];
    if (!command) return print("unknown command " + args[0]), 2;
    if (!/^(shown|dismiss)$/.test(args[0]) && !editor()) {
        print("no editor window");
        return 1;
    }
    command(editor(), args[1], args[2]);
    return 0;
}
