// What differs between the seven frame classes: the canvas, whether the window shows,
// its client size (with and without a menu bar and a status bar), the tray tool and
// its balloon; and context menus chosen with keys.
var user32 = "user32.dll";
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var FindWindowEx = new DllFunc(user32, "handle FindWindowExA(handle, handle, string, ptr) stdcall");
var GetClientRect = new DllFunc(user32, "int GetClientRect(handle, binary) stdcall");
var GetWindowRect = new DllFunc(user32, "int GetWindowRect(handle, binary) stdcall");
var PostMessage = new DllFunc(user32, "int PostMessageA(handle, uint, ptr, ptr) stdcall");
var SendText = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, binary) stdcall");
var EndMenu = new DllFunc(user32, "int EndMenu() stdcall");

function size(get, hwnd) {
    var blob = new BinaryBlob(16);
    get(hwnd, blob);
    var r = blob.get("int32");
    return { w: r[2] - r[0], h: r[3] - r[1] };
}
var FindChild = new DllFunc(user32, "handle FindWindowExA(handle, handle, ptr, ptr) stdcall");
function trayIcons() {
    var tray = FindWindowEx(0, 0, "__winex11_standalone_tray", 0), n = 0;
    for (var h = FindChild(tray, 0, 0, 0); tray && h; h = FindChild(tray, h, 0, 0)) n++;
    return n;
}
function text(s) { return s.w + "x" + s.h; }
function errorOf(f) {
    try { f(); return "no error"; } catch (e) { return "0x" + (e.number >>> 0).toString(16); }
}

// Captioned windows have a minimum width on this platform: 200 is above it.
var kinds = [
    [Frame, "Frame"], [Dialog, "Dialog"], [ToolFrame, "ToolFrame"], [PopupFrame, "PopupFrame"],
    [LayeredFrame, "LayeredFrame"], [TrayTool, "TrayTool"], [FullScreen, "FullScreen"]
];

function main() {
    for (var i = 0; i < kinds.length; i++) {
        var title = "kind " + kinds[i][1];
        var frame = new kinds[i][0](200, 48, title);
        var image = frame.image;
        var line = kinds[i][1] + ": image " +
            (image === undefined ? "undefined" : image.width + "x" + image.height + " " + (image.point(0, 0) >>> 0).toString(16));
        frame.open();
        var hwnd = FindWindow(0, title);
        line += ", valid " + frame.valid + ", visible " + frame.visible;
        // A full-screen frame minimises itself when it loses the focus, which other
        // programs' windows on the display may take at any time; hiding it, when it
        // has the focus, does the same and shows it again.
        var fullScreen = kinds[i][1] == "FullScreen";
        if (frame.visible && !fullScreen) line += ", client " + text(size(GetClientRect, hwnd));
        if (!fullScreen) {
            frame.visible = 0;
            line += ", hidden " + !frame.visible;
        }
        frame.visible = 1;
        line += ", shown again " + frame.visible;
        line += ", baloon " + errorOf(function () { frame.baloon("text", "title"); frame.baloon("text only"); });
        frame.close();
        print(line, ", closed ", !frame.valid && !FindWindow(0, title));
    }

    // A tray tool's icon is a window of the platform's tray while the frame is open.
    var tray = new TrayTool(10, 10, "tray icon test"), before = trayIcons();
    tray.open();
    var opened = trayIcons();
    tray.close();
    print("tray icons: ", opened - before, " added, ", opened - trayIcons(), " removed");

    // A frame without a title takes the program's base name.
    var untitled = new Frame(10, 10);
    untitled.open();
    print("untitled: ", FindWindow(0, "kova") != 0);
    untitled.close();

    // A menu bar does not take from the client area; a status bar adds its height to
    // the window and leaves the canvas's part of the client area as it was.
    var frame = new Frame(300, 100, "status test");
    frame.addmenu("File", ["Open"]);
    frame.status = "ready";
    frame.open();
    var hwnd = FindWindow(0, "status test");
    var client = size(GetClientRect, hwnd), outer = size(GetWindowRect, hwnd);
    print("with menu: client ", text(client), ", statusbar ", frame.statusbar, ", status ", frame.status);
    frame.statusbar = 1;
    var bar = FindWindowEx(hwnd, 0, "msctls_statusbar32", 0);
    var barSize = size(GetWindowRect, bar);
    var blob = new BinaryBlob(64);
    SendText(bar, 0x0402, 0, blob);  // SB_GETTEXTA: the simple part reads as part 0
    print("status bar on: window taller by the bar ", size(GetWindowRect, hwnd).h - outer.h == barSize.h,
          ", client above the bar ", size(GetClientRect, hwnd).h - barSize.h, ", width ", size(GetClientRect, hwnd).w,
          ", text ", String.fromCharCode.apply(null, blob.get("byte").slice(0, 5)));
    frame.statusbar = 0;
    print("status bar off: window ", text(size(GetWindowRect, hwnd)) == text(outer), ", client ",
          text(size(GetClientRect, hwnd)), ", bar gone ", FindWindowEx(hwnd, 0, "msctls_statusbar32", 0) == 0);
    frame.statusbar = 1;
    frame.close();
    frame.open();
    hwnd = FindWindow(0, "status test");
    print("re-opened with the bar: ", FindWindowEx(hwnd, 0, "msctls_statusbar32", 0) != 0,
          ", client above the bar ", size(GetClientRect, hwnd).h - barSize.h);

    // Context menus: keys posted from a timer choose; separators take no index. The
    // keys go once: clearTimer serves one message first, perhaps the timer's next.
    var keys, pending = false;
    var menu = new Frame(100, 100, "popup test");
    menu.open({ onTimer: function (e) {
        if (!pending) return;
        pending = false;
        menu.clearTimer(1);
        if (!keys) { EndMenu(); return; }
        for (var i = 0; i < keys.length; i++) PostMessage(hwnd, 0x0100, keys[i], 0);
    } });
    hwnd = FindWindow(0, "popup test");
    var DOWN = 0x28, ENTER = 0x0D;
    var cases = [[null, ["A", "-", "B"]], [[DOWN, ENTER], ["A", "-", "B"]], [[DOWN, DOWN, ENTER], ["A", "-", "B", "C"]],
                 [[DOWN, DOWN, DOWN, ENTER], ["A", "-", "B", "C"]]];
    // A menu also closes when another program's window takes the activation: such a
    // -1 is tried again.
    for (var i = 0; i < cases.length; i++) {
        keys = cases[i][0];
        for (var tries = 0, chosen = -1; tries < 3 && (tries == 0 || keys && chosen == -1); tries++) {
            pending = true;
            menu.setTimer(1, 20);
            chosen = i % 2 ? menu.popup(cases[i][1]) : menu.popup(10, 10, cases[i][1]);
        }
        print("popup ", keys ? keys.length - 1 + " down" : "dismissed", ": ", chosen);
    }
    print("popup of no array: ", menu.popup(5), ", of 2 arguments: ", errorOf(function () { menu.popup(1, ["a"]); }));
    menu.close();
}
