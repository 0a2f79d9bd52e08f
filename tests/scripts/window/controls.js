// Push buttons and edit boxes on a frame: commands from their windows reach the
// control's own onCommand (a global function, or a method of the handler object),
// an edit box's data round-trips with LF inside and CR LF in the window, controls
// added to an open or closed frame get their windows, and bad arguments are refused.
// Messages are sent to the controls' windows, so every handler runs during the send.
var user32 = "user32.dll";
var SendMessage = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var FindWindowEx = new DllFunc(user32, "handle FindWindowExA(handle, handle, string, ptr) stdcall");
var FindChild = new DllFunc(user32, "handle FindWindowExA(handle, handle, string, string) stdcall");
var GetWindowText = new DllFunc(user32, "int GetWindowTextA(handle, binary, int) stdcall");
var SetWindowText = new DllFunc(user32, "int SetWindowTextA(handle, string) stdcall");
var IsWindowVisible = new DllFunc(user32, "int IsWindowVisible(handle) stdcall");
var BM_CLICK = 0x00F5, WM_CHAR = 0x0102;

function errorOf(f) {
    try { f(); return "no error"; } catch (e) { return "0x" + (e.number >>> 0).toString(16); }
}
// A window's text as its bytes, CR and LF spelled out.
function windowText(hwnd) {
    var blob = new BinaryBlob(256);
    var n = GetWindowText(hwnd, blob, 256);
    return shown(String.fromCharCode.apply(null, blob.get("byte").slice(0, n)));
}
function shown(s) { return s === undefined ? "undefined" : "\"" + s.replace(/\r/g, "<CR>").replace(/\n/g, "<LF>") + "\""; }
function child(title, cls, after) { return FindWindowEx(FindWindow(0, title), after || 0, cls, 0); }

// What the handlers saw while act() ran f, each distinct line once (an edit box
// sends several notifications for one change).
var seen = [];
function saw(line) { for (var i = 0; i < seen.length; i++) if (seen[i] == line) return; seen.push(line); }
function act(what, f) {
    seen = [];
    f();
    print(what, ": ", seen.length ? seen.join(", ") : "nothing");
    seen = [];
}

var dialog = new Dialog(240, 120, "controls test", "dlg_");
var ok = dialog.button("OK", [10, 10, 80, 24], "ok_");
var edit = dialog.editbox("one\ntwo", [10, 44, 200, 22], "edit_");
function ok_onCommand(e) { saw("ok_onCommand control " + (e.control === ok ? "ok" : e.control) + " window " + (e.window === dialog)); }
function edit_onCommand(e) { saw("edit_onCommand control " + (e.control === edit ? "edit" : e.control)); }
function dlg_onCommand(e) { saw("dlg_onCommand"); }
function onCommand(e) { saw("onCommand"); }

function main() {
    print("before open: ", shown(edit.data));
    dialog.open();
    var button = child("controls test", "BUTTON"), box = child("controls test", "EDIT");
    print("windows: button ", windowText(button), ", edit ", windowText(box));
    act("click", function () { SendMessage(button, BM_CLICK, 0, 0); });
    act("typed A", function () { SendMessage(box, WM_CHAR, 65, 1); });
    print("data: ", shown(edit.data));
    act("SetWindowText", function () { SetWindowText(box, "set from outside"); });

    // Edit box text: what set() and data= put into the window, and what get() and
    // data read back.
    var texts = ["a\nb", "a\r\nb", "a\rb", "\n\n", "", 42];
    for (var i = 0; i < texts.length; i++) {
        if (i % 2) edit.data = texts[i]; else edit.set(texts[i]);
        print("set ", typeof texts[i] == "string" ? shown(texts[i]) : texts[i], ": window ", windowText(box),
              ", get ", shown(edit.get()), ", data ", shown(edit.data));
    }
    SetWindowText(box, "typed\r\nlast");
    dialog.close();
    print("after close: ", shown(edit.data), " ", shown(edit.get()));
    edit.data = "while closed";
    dialog.open();
    print("reopened: window ", windowText(child("controls test", "EDIT")), ", data ", shown(edit.data));

    // A control added to an open frame shows at once; one added to a closed frame
    // when it next opens.
    var late = dialog.button("Late", [100, 10, 80, 24], "late_");
    var lateWindow = FindChild(FindWindow(0, "controls test"), 0, "BUTTON", "Late");
    print("added while open: ", windowText(lateWindow), " visible ", IsWindowVisible(lateWindow) != 0);
    dialog.close();
    var later = dialog.editbox("later", [10, 74, 200, 22]);
    print("added while closed: ", shown(later.data));
    dialog.open();
    var boxes = [];
    for (var w = child("controls test", "EDIT"); w; w = child("controls test", "EDIT", w)) boxes.push(windowText(w));
    print("edit boxes after reopening: ", boxes.join(" "));
    // An unnamed control's commands go to plain onCommand: the control's name, not
    // the frame's prefix, is the prefix.
    act("unnamed edit box", function () { SetWindowText(child("controls test", "EDIT", child("controls test", "EDIT")), "x"); });
    dialog.close();

    // A handler object: onCommand is looked up on it, and the globals stay quiet.
    var handler = { ok_onCommand: function (e) { saw("handler ok_onCommand control " + (e.control === ok)); } };
    dialog.open(handler);
    act("click with a handler object", function () { SendMessage(child("controls test", "BUTTON"), BM_CLICK, 0, 0); });
    act("edit box with a handler object lacking edit_onCommand", function () { SetWindowText(child("controls test", "EDIT"), "y"); });
    dialog.close();

    // Refusals.
    var bad = [
        ["rect of three", function (m) { dialog[m]("x", [10, 10, 80]); }],
        ["rect of five", function (m) { dialog[m]("x", [1, 2, 3, 4, 5]); }],
        ["rect not an array", function (m) { dialog[m]("x", 10); }],
        ["rect with a word", function (m) { dialog[m]("x", [1, 2, "three", 4]); }],
        ["no argument", function (m) { dialog[m](); }],
        ["four arguments", function (m) { dialog[m]("x", [1, 2, 3, 4], "n", 1); }]
    ];
    for (var i = 0; i < bad.length; i++) {
        var f = bad[i][1];
        print(bad[i][0], ": button ", errorOf(function () { f("button"); }), ", editbox ", errorOf(function () { f("editbox"); }));
    }
    var members = [
        ["button.data", function () { return ok.data; }],
        ["button.get()", function () { return ok.get(); }],
        ["button.set(1)", function () { ok.set(1); }],
        ["edit.set()", function () { edit.set(); }],
        ["edit.get(1)", function () { edit.get(1); }]
    ];
    for (var i = 0; i < members.length; i++) print(members[i][0], ": ", errorOf(members[i][1]));
    print("edit data kept: ", shown(edit.data));
}
