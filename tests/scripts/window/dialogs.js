// The user dialogs, driven from a frame's timer, whose handler runs inside each
// dialog's modal loop: it finds the dialog by class and caption, looks at it and
// presses OK or Cancel. Covers what prompt and passwd return and show, how the input
// box sizes itself to its message, confirm and alert, the file and folder choosers
// cancelled or given a name, an owner frame disabled while its dialog is up, and wrong argument counts.
var user32 = "user32.dll";
var FindWindow = new DllFunc(user32, "handle FindWindowA(string, string) stdcall");
var FindTitle = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var PostMessage = new DllFunc(user32, "int PostMessageA(handle, uint, ptr, ptr) stdcall");
var SendMessage = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
var GetDlgItem = new DllFunc(user32, "handle GetDlgItem(handle, int) stdcall");
var GetDlgItemText = new DllFunc(user32, "uint GetDlgItemTextA(handle, int, binary, int) stdcall");
var SetDlgItemText = new DllFunc(user32, "int SetDlgItemTextA(handle, int, string) stdcall");
var GetClientRect = new DllFunc(user32, "int GetClientRect(handle, binary) stdcall");
var GetWindowRect = new DllFunc(user32, "int GetWindowRect(handle, binary) stdcall");
var MapWindowPoints = new DllFunc(user32, "int MapWindowPoints(handle, handle, binary, uint) stdcall");
var GetWindow = new DllFunc(user32, "handle GetWindow(handle, uint) stdcall");
var IsWindowEnabled = new DllFunc(user32, "int IsWindowEnabled(handle) stdcall");
var WM_COMMAND = 0x0111, IDOK = 1, IDCANCEL = 2, EDIT = 1000, EM_GETPASSWORDCHAR = 0x00D2, GW_OWNER = 4;

function errorOf(f) {
    try { f(); return "no error"; } catch (e) { return "0x" + (e.number >>> 0).toString(16); }
}
function shown(v) { return typeof v == "string" ? "\"" + v + "\"" : String(v); }
function itemText(dialog, id) {
    var blob = new BinaryBlob(512);
    var n = GetDlgItemText(dialog, id, blob, 512);
    return String.fromCharCode.apply(null, blob.get("byte").slice(0, n));
}
// [left, top, right, bottom] of a window's client area, or of a child window in its
// parent's client coordinates.
function rect(hwnd, parent) {
    var blob = new BinaryBlob(16);
    if (parent) {
        GetWindowRect(hwnd, blob);
        MapWindowPoints(0, parent, blob, 2);
    } else {
        GetClientRect(hwnd, blob);
    }
    return blob.get("int32");
}

// The frame whose timer drives the dialogs; it owns those given it as first argument.
var frame = new Frame(120, 60, "dialogs owner"), frameWindow, pending = null, busy = false, seen;
function onTimer(e) {
    if (!pending || busy) return;
    var dialog = FindWindow(pending.cls, pending.caption);
    if (!dialog) {
        if (tick() > pending.deadline) {
            print("no dialog \"", pending.caption, "\" appeared");
            exit(1);
        }
        return;
    }
    // The frame methods a handler calls serve messages, this timer's among them.
    busy = true;
    var p = pending;
    pending = null;
    seen = p.look ? p.look(dialog) : "";
    PostMessage(dialog, WM_COMMAND, p.button, 0);
    busy = false;
}
// Calls show() while the timer waits for the dialog of class and caption, looks at it
// with look(dialog) and presses button (IDOK or IDCANCEL); prints what show() returned
// and what look() saw.
function drive(what, cls, caption, button, look, show) {
    pending = { cls: cls, caption: caption, button: button, look: look, deadline: tick() + 20000 };
    seen = "";
    var result = show();
    if (pending) print(what, ": the dialog was not seen");
    pending = null;
    print(what, ": ", shown(result), seen ? " (" + seen + ")" : "");
}
function field(dialog) { return "field " + shown(itemText(dialog, EDIT)); }
function typing(text) { return function (dialog) { SetDlgItemText(dialog, EDIT, text); return ""; }; }
// The file choosers' name field is a combo box, id 0x47C.
function typingName(name) { return function (dialog) { SetDlgItemText(dialog, 0x47C, name); return ""; }; }
function passwordChar(dialog) { return "password char " + SendMessage(GetDlgItem(dialog, EDIT), EM_GETPASSWORDCHAR, 0, 0); }
function ownerState(dialog) {
    return "owned by the frame " + (GetWindow(dialog, GW_OWNER) == frameWindow) + ", frame enabled " + (IsWindowEnabled(frameWindow) != 0);
}

// The input box's client size for a message, the OK button's width, and where the
// edit field lies in it.
var sizes = {};
function measure(name) {
    return function (dialog) {
        var client = rect(dialog), edit = rect(GetDlgItem(dialog, EDIT), dialog);
        sizes[name] = { width: client[2], height: client[3], button: rect(GetDlgItem(dialog, IDOK))[2],
                        edit: [edit[0], client[2] - edit[2], client[3] - edit[3]].join(" ") };
        return "";
    };
}

function main() {
    frame.open();
    frameWindow = FindTitle(0, "dialogs owner");
    frame.setTimer(1, 20);
    var box = "#32770";

    // prompt and passwd: what they return, show and hide. Without a caption the box
    // bears the program's name.
    drive("prompt, OK untouched", box, "kova", IDOK, field, function () { return prompt("Your name?"); });
    drive("prompt, cancelled", box, "kova", IDCANCEL, field, function () { return prompt("Your name?", "Taro"); });
    drive("prompt, typed", box, "typing", IDOK, typing("Hanako"), function () { return prompt("Your name?", "Taro", "typing"); });
    drive("prompt, default kept", box, "default", IDOK, field, function () { return prompt("Your name?", 12.5, "default"); });
    drive("prompt's field", box, "plain", IDCANCEL, passwordChar, function () { return prompt("Word?", "", "plain"); });
    drive("passwd's field", box, "secret", IDOK, passwordChar, function () { return passwd("Password?", "pw", "secret"); });
    drive("passwd, typed", box, "secret", IDOK, typing("sesame"), function () { return passwd("Password?", "", "secret"); });

    // An owner frame is disabled while its dialog is up, and enabled again after.
    drive("prompt over the frame", box, "owned", IDOK, ownerState, function () { return prompt(frame, "Owned?", "yes", "owned"); });
    print("frame enabled after: ", IsWindowEnabled(frameWindow) != 0);
    drive("prompt without owner", box, "free", IDCANCEL, ownerState, function () { return prompt("Free?", "", "free"); });
    drive("confirm over the frame", box, "owned", IDOK, ownerState, function () { return confirm(frame, "Owned?", "owned"); });
    print("frame enabled after: ", IsWindowEnabled(frameWindow) != 0);

    // The input box grows with its message: taller once the lines need more height
    // than the two buttons (two lines do not), wider for a long line or many tabs,
    // never narrower than 200 pixels, the button and the margins.
    var long = "A line much longer than the narrowest input box is wide, to make it wider still";
    var messages = { short: "Hi", twoLines: "Hi\nthere", fourLines: "1\n2\r\n3\n4", long: long,
                     tabs: "x\t\t\t\t\t\t\t\t\t\tx" };
    for (var name in messages)
        drive("input box for " + name, box, "size " + name, IDCANCEL, measure(name), function () { return prompt(messages[name], "", "size " + name); });
    var s = sizes;
    print("two lines as tall: ", s.twoLines.height == s.short.height, ", four taller: ", s.fourLines.height > s.short.height,
          ", as wide: ", s.fourLines.width == s.short.width);
    print("long line wider: ", s.long.width > s.short.width, ", as tall: ", s.long.height == s.short.height);
    print("ten tabs wider: ", s.tabs.width > s.short.width);
    for (var name in s)
        print(name, ": at least 200 + button + 40 wide ", s[name].width >= 200 + s[name].button + 40,
              ", edit field's left, right and bottom margins ", s[name].edit);

    // confirm and alert.
    drive("confirm, OK", box, "sure?", IDOK, null, function () { return confirm("Really?", "sure?"); });
    drive("confirm, cancelled", box, "sure?", IDCANCEL, null, function () { return confirm("Really?", "sure?"); });
    drive("alert", box, "note", IDOK, null, function () { return alert("Done.", "note"); });
    drive("alert without caption", box, "kova", IDOK, null, function () { return alert("Done."); });

    // The choosers, cancelled, and given a name relative to the current folder.
    drive("openDlg, cancelled", box, "Open a file", IDCANCEL, null, function () { return openDlg("Open a file"); });
    drive("saveDlg, cancelled", box, "Save a file", IDCANCEL, null, function () { return saveDlg(frame, "Save a file"); });
    // The folder they start in is the last one chosen: full paths are typed.
    var here = Script.pwd + "\\window\\";
    drive("openDlg, a path typed", box, "Open a file", IDOK, typingName(here + "dialogs.js"),
          function () { return openDlg(frame, "Open a file") == here + "dialogs.js"; });
    drive("saveDlg, a new path typed", box, "Save a file", IDOK, typingName(here + "new file.txt"),
          function () { return saveDlg("Save a file") == here + "new file.txt"; });
    drive("folderDlg, cancelled", box, "Pick a folder", IDCANCEL, null, function () { return folderDlg("Where?", "Pick a folder"); });
    drive("folderDlg without arguments, cancelled", box, "kova", IDCANCEL, null, function () { return folderDlg(); });

    // Wrong argument counts: no dialog shows.
    var calls = [
        ["alert()", function () { alert(); }],
        ["alert(frame)", function () { alert(frame); }],
        ["confirm(1, 2, 3)", function () { confirm(1, 2, 3); }],
        ["passwd(frame, 1, 2, 3, 4)", function () { passwd(frame, 1, 2, 3, 4); }],
        ["saveDlg(frame, 1, 2)", function () { saveDlg(frame, 1, 2); }],
        ["folderDlg(1, 2, 3)", function () { folderDlg(1, 2, 3); }]
    ];
    for (var i = 0; i < calls.length; i++) print(calls[i][0], ": ", errorOf(calls[i][1]));
    frame.close();
}
