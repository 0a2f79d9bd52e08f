// Every frame event reaches its global handler with its fields: messages are sent
// (not posted) to the frame's own window from a timer, one row of the table at a
// time, and only what the handlers see during a send is printed, so that activation
// and mouse messages of other programs' windows on the same display cannot slip in.
var user32 = "user32.dll";
var SendMessage = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var GetCapture = new DllFunc(user32, "handle GetCapture() stdcall");
var SetKeyboardState = new DllFunc(user32, "int SetKeyboardState(binary) stdcall");

var SHIFT = 0x10, CTRL = 0x11, ALT = 0x12;
function xy(x, y) { return ((y & 0xFFFF) * 65536 + (x & 0xFFFF)); }
function wheel(delta) { return (delta & 0xFFFF) * 65536; }

// message, wParam, lParam, keys held down, what onMouseDown writes into e.capture
var rows = [
    [0x0100, 65, 0, [SHIFT]],               // WM_KEYDOWN
    [0x0101, 65, 0, [CTRL]],                // WM_KEYUP
    [0x0104, ALT, 0, [ALT]],                // WM_SYSKEYDOWN of Alt itself
    [0x0105, ALT, 0, []],                   // WM_SYSKEYUP
    [0x0102, 122, 0, [ALT]],                // WM_CHAR
    [0x0200, 0, xy(30, 40), []],            // WM_MOUSEMOVE
    [0x0200, 0, xy(-5, -10), [SHIFT, CTRL]],
    [0x0201, 0, xy(1, 2), [SHIFT]],         // left press and release
    [0x0202, 0, xy(3, 4), []],
    [0x0207, 0, xy(5, 6), []],              // middle
    [0x0208, 0, xy(7, 8), []],
    [0x0204, 0, xy(9, 10), []],             // right
    [0x0205, 0, xy(11, 12), []],
    [0x020A, wheel(-120), xy(500, 300), []],  // WM_MOUSEWHEEL, screen coordinates
    [0x020A, wheel(240), xy(-1, 2), [CTRL]],
    [0x0006, 0, 0, []],                     // WM_ACTIVATE: inactive, active, click-active
    [0x0006, 1, 0, []],
    [0x0006, 2, 0, []],
    [0x0111, 0x101, 0, []],                 // WM_COMMAND: File/Open
    [0x0111, 0x102, 0, []],                 // File/Quit, after the separator
    [0x0111, 0x103, 0, []],                 // Edit/Cut, ids go on across menus
    [0x0111, 0x10104, 0, []],               // Edit/Copy with a notification code
    [0x0111, 0x105, 0, []],                 // no such item
    [0x0111, 0x100, 0, []],
    [0x0201, 0, xy(20, 20), []],            // a double click as the platform sends it
    [0x0202, 0, xy(20, 20), []],
    [0x0203, 0, xy(20, 20), []],
    [0x0202, 0, xy(20, 20), []],
    [0x0204, 0, xy(1, 1), [], true],        // capture, and release on the button's release
    [0x0205, 0, xy(1, 1), []],
    [0x0207, 0, xy(1, 1), [], 1],
    [0x0208, 0, xy(1, 1), []],
    [0x0201, 0, xy(1, 1), [], "yes"],       // a string does not capture
    [0x0202, 0, xy(1, 1), []]
];

// Every access to a frame first serves one waiting message, so a handler that calls
// frame methods may be entered again by the next WM_TIMER: each timer acts once.
var frame = new Frame(160, 120, "events test");
frame.addmenu("File", ["Open", "-", "Quit"], "file_");
frame.addmenu("Edit", ["Cut", "Copy"]);
var hwnd = 0, recording = false, focusSeen = false, captureValue, fired = {};

function log(name, e, fields) {
    if (!recording) return;
    var line = name + (e.window === frame ? "" : " (window is not the frame)");
    for (var i = 0; i < fields.length; i++) line += " " + fields[i] + "=" + e[fields[i]];
    print(line);
}
var mods = ["shiftKey", "ctrlKey", "altKey"];
function onOpen(e) { recording = true; log("onOpen", e, []); recording = false; frame.setTimer(5, 10); }
// Destroying the window may deactivate it: only onClose is printed while closing.
function onClose(e) { recording = true; log("onClose", e, ["cancel"]); recording = false; }
// A window that is not the active one (another program's took that) becomes it when
// WM_ACTIVATE's default processing gives it the focus: only the first of the row counts.
function onFocus(e) { if (!focusSeen) log("onFocus", e, []); focusSeen = recording; }
function onBlur(e) { if (!focusSeen) log("onBlur", e, []); focusSeen = recording; }
function onKeyDown(e) { log("onKeyDown", e, mods.concat("keyCode")); }
function onKeyUp(e) { log("onKeyUp", e, mods.concat("keyCode")); }
function onChar(e) { log("onChar", e, mods.concat("charCode")); }
function onMouseMove(e) { log("onMouseMove", e, mods.concat("x", "y")); }
function onMouseDown(e) {
    log("onMouseDown", e, mods.concat("x", "y", "button", "capture"));
    if (captureValue !== undefined) e.capture = captureValue;
}
function onMouseUp(e) { log("onMouseUp", e, mods.concat("x", "y", "button")); }
function onMouseWheel(e) { log("onMouseWheel", e, mods.concat("x", "y", "delta")); }
function file_onMenu(e) { log("file_onMenu", e, ["category", "index"]); }
function onMenu(e) { log("onMenu", e, ["category", "index"]); }

function holdKeys(keys) {
    var state = [];
    for (var i = 0; i < 256; i++) state.push(0);
    for (var i = 0; i < keys.length; i++) state[keys[i]] = 0x80;
    var blob = new BinaryBlob(256);
    blob.set(state, "byte");
    SetKeyboardState(blob);
}

function onTimer(e) {
    if (fired[e.id]) return;
    fired[e.id] = true;
    recording = true;
    log("onTimer", e, ["id"]);
    recording = false;
    frame.clearTimer(e.id);
    if (e.id == 42) {
        frame.close(7);
        return;
    }
    hwnd = FindWindow(0, "events test");
    for (var i = 0; i < rows.length; i++) {
        var r = rows[i];
        print("-- 0x", r[0].toString(16), " ", r[1].toString(16), " ", r[2].toString(16));
        holdKeys(r[3]);
        captureValue = r[4];
        focusSeen = false;
        recording = true;
        SendMessage(hwnd, r[0], r[1], r[2]);
        recording = false;
        if (r[4] !== undefined || r[0] == 0x0202 || r[0] == 0x0205 || r[0] == 0x0208)
            print("captured: ", GetCapture() == hwnd);
    }
    holdKeys([]);
    frame.setTimer(42, 1);
}

function main() {
    print("modal: ", frame.modal());
    print("valid: ", frame.valid);
}
