// Progress boxes on their own thread: the caption and bar that step sets, the errors
// of the members, and what each way of cancelling does in each mode. The script acts
// on the box through messages; the box's thread answers them while the script waits.
var user32 = "user32.dll";
var SendMessage = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
var PostMessage = new DllFunc(user32, "int PostMessageA(handle, uint, ptr, ptr) stdcall");
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var GetDlgItem = new DllFunc(user32, "handle GetDlgItem(handle, int) stdcall");
var GetWindowText = new DllFunc(user32, "int GetWindowTextA(handle, binary, int) stdcall");
var GetWindowRect = new DllFunc(user32, "int GetWindowRect(handle, binary) stdcall");
var IsWindow = new DllFunc(user32, "int IsWindow(handle) stdcall");
var IsWindowVisible = new DllFunc(user32, "int IsWindowVisible(handle) stdcall");
var WM_CLOSE = 0x0010, WM_COMMAND = 0x0111, PBM_GETPOS = 0x0408;
var IDOK = 1, IDCANCEL = 2, IDC_BAR = 1000;

function errorOf(f) {
    try { f(); return "no error"; } catch (e) { return "0x" + (e.number >>> 0).toString(16); }
}
function caption(hwnd) {
    var text = new BinaryBlob(256);
    var n = GetWindowText(hwnd, text, 256);
    return String.fromCharCode.apply(null, text.get().slice(0, n));
}
function height(hwnd) {
    var rect = new BinaryBlob(16);
    GetWindowRect(hwnd, rect);
    var r = rect.get("int32");
    return r[3] - r[1];
}
// The window with that exact caption, waited for up to 5 s.
function waitFor(title) {
    for (var waited = 0; waited < 5000; waited += 10) {
        var hwnd = FindWindow(0, title);
        if (hwnd) return hwnd;
        sleep(10);
    }
    return 0;
}

function main() {
    var p = new Progress();
    print("new Progress(1): ", new Progress(1) === undefined ? "refused" : "made");
    print("without a box: step ", p.step(5), ", step(null) ", p.step(null), ", close ", p.close());

    // Position and caption: tenths of a percent, truncated, within the bar's range.
    p.open("Working\ton it\nline two", "Job", 1);
    var box = FindWindow(0, "Job"), bar = GetDlgItem(box, IDC_BAR);
    print("opened: ", box != 0, " \"", caption(box), "\" bar ", SendMessage(bar, PBM_GETPOS, 0, 0));
    var percents = [12.34, 0, 99.99, 100, 250, -3, NaN, 1e300, 12.35];
    for (var i = 0; i < percents.length; i++)
        print("step(", percents[i], ") ", p.step(percents[i]), " \"", caption(box), "\" bar ",
              SendMessage(bar, PBM_GETPOS, 0, 0));
    print("step(\"text\") ", p.step("text"), " \"", caption(box), "\" bar ", SendMessage(bar, PBM_GETPOS, 0, 0));
    print("step(50, \"text\") ", p.step(50, "text"), " \"", caption(box), "\"");

    var calls = [
        ["open(1, 2, 3, 4)", function () { p.open("a", "b", 0, 4); }],
        ["open with five", function () { p.open("a", "b", 0, 4, 5); }],
        ["step()", function () { p.step(); }],
        ["step(1, 2, 3)", function () { p.step(1, 2, 3); }],
        ["step(null)", function () { p.step(null); }],
        ["step(\"a\", \"b\")", function () { p.step("a", "b"); }],
        ["step({})", function () { p.step({}); }],
        ["step([1])", function () { p.step([1]); }],
        ["close(1)", function () { p.close(1); }],
        ["read text", function () { return p.text; }],
        ["write text", function () { p.text = "x"; }]
    ];
    for (var i = 0; i < calls.length; i++) print(calls[i][0], ": ", errorOf(calls[i][1]));
    print("the box survives: ", IsWindow(box) != 0, " \"", caption(box), "\"");
    print("close: ", p.close(), ", box gone: ", IsWindow(box) == 0);

    // Mode 2 has no button, and the box is 16 pixels lower than with one.
    p.open("Same text", "WithButton", 0);
    var tall = height(FindWindow(0, "WithButton"));
    p.open("Same text", "NoButton", 2);
    box = FindWindow(0, "NoButton");
    print("reopened: the first box gone ", FindWindow(0, "WithButton") == 0);
    print("mode 2: button visible ", IsWindowVisible(GetDlgItem(box, IDCANCEL)) != 0, ", lower by ",
          tall - height(box));
    p.close();

    // A click as the button reports it (a BM_CLICK may lose its press to the box's
    // activation: the real click is the screen test's).
    var click = function (box) { SendMessage(box, WM_COMMAND, IDCANCEL, GetDlgItem(box, IDCANCEL)); };
    // mode, what the user does, through a sent message
    var cancels = [
        [0, "clicks Cancel", click],
        [0, "closes the box", function (box) { SendMessage(box, WM_CLOSE, 0, 0); }],
        [1, "closes the box", function (box) { SendMessage(box, WM_CLOSE, 0, 0); }],
        [2, "closes the box", function (box) { SendMessage(box, WM_CLOSE, 0, 0); }],
        [2, "presses Escape", function (box) { SendMessage(box, WM_COMMAND, IDCANCEL, 0); }],
        [7, "clicks Cancel", click]
    ];
    for (var i = 0; i < cancels.length; i++) {
        var c = cancels[i];
        p.open("", "Cancel test", c[0]);
        c[2](FindWindow(0, "Cancel test"));
        var stepped = p.step(10), again = p.step("still");
        print("mode ", c[0], ", the user ", c[1], ": step ", stepped, " ", again, ", close ", p.close());
    }

    // Mode 1 asks first: the question is answered by a message to its OK or Cancel.
    p.open("", "Ask", 1);
    p.step(1);  // the box's caption is no longer "Ask": only the question has that one
    box = FindWindow(0, "Ask [1.0%]");
    var answers = [[IDCANCEL, "Cancel"], [IDOK, "OK"], [IDCANCEL, "Cancel"]];
    for (var i = 0; i < answers.length; i++) {
        PostMessage(box, WM_COMMAND, IDCANCEL, 0);
        var question = waitFor("Ask");
        PostMessage(question, WM_COMMAND, answers[i][0], 0);
        print("mode 1, asked: ", question != 0, ", answered ", answers[i][1], ": step ", p.step(2));
    }
    print("close: ", p.close());
}
