// Progress boxes: caption and bar as step sets them, the members' errors, each mode's
// cancelling (on the box's own thread, through sent messages), and a box over a frame,
// which owns it, is disabled meanwhile, and serves it (and its question) inside step.
var user32 = "user32.dll";
var SendMessage = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
var PostMessage = new DllFunc(user32, "int PostMessageA(handle, uint, ptr, ptr) stdcall");
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var GetDlgItem = new DllFunc(user32, "handle GetDlgItem(handle, int) stdcall");
var GetWindow = new DllFunc(user32, "handle GetWindow(handle, uint) stdcall");
var GetWindowRect = new DllFunc(user32, "int GetWindowRect(handle, binary) stdcall");
var IsWindow = new DllFunc(user32, "int IsWindow(handle) stdcall");
var IsWindowVisible = new DllFunc(user32, "int IsWindowVisible(handle) stdcall");
var IsWindowEnabled = new DllFunc(user32, "int IsWindowEnabled(handle) stdcall");
var WM_CLOSE = 0x0010, WM_COMMAND = 0x0111, PBM_GETPOS = 0x0408, IDOK = 1, IDCANCEL = 2, GW_OWNER = 4;

function errorOf(f) {
    try { f(); return "no error"; } catch (e) { return "0x" + (e.number >>> 0).toString(16); }
}
// The bar's position in the box with that caption.
function bar(caption) {
    var box = FindWindow(0, caption);
    return box ? "\"" + caption + "\" bar " + SendMessage(GetDlgItem(box, 1000), PBM_GETPOS, 0, 0) : "no " + caption;
}
function height(hwnd) {
    var rect = new BinaryBlob(16);
    GetWindowRect(hwnd, rect);
    return rect.get("int32")[3] - rect.get("int32")[1];
}
// The question has the box's title, which the box's caption keeps only until a step.
function answer(id) {
    for (var waited = 0; !FindWindow(0, "Ask") && waited < 5000; waited += 10) sleep(10);
    return PostMessage(FindWindow(0, "Ask"), WM_COMMAND, id, 0) != 0;
}
// A click as the button reports it (a BM_CLICK may lose its press to the box's
// activation; the screen test clicks for real).
function click(box) { SendMessage(box, WM_COMMAND, IDCANCEL, GetDlgItem(box, IDCANCEL)); }
function close(box) { SendMessage(box, WM_CLOSE, 0, 0); }

var p = new Progress(), frame = new Frame(200, 100, "owner"), frameWindow, asked;
function onTimer(e) {
    if (asked || !FindWindow(0, "Ask")) return;
    asked = "step during the question " + p.step(3) + ", frame enabled " + IsWindowEnabled(frameWindow);
    answer(IDOK);
}

function main() {
    print("new Progress(1) ", new Progress(1), "; no box: step ", p.step(null), ", close ", p.close());
    p.open("Working\ton it\nline two", "Job", 1);
    var percents = [[12.34, "12.3"], [100, "100.0"], [250, "100.0"], [NaN, "0.0"], [50, "50.0"]];
    for (var i = 0; i < percents.length; i++)
        print("step(", percents[i][0], ") ", p.step(percents[i][0]), ": ", bar("Job [" + percents[i][1] + "%]"));
    print("step(\"text\") ", p.step("text"), ": ", bar("Job [50.0%]"));
    var calls = [["open(4 after no frame)", function () { p.open("a", "b", 0, 4); }],
                 ["step()", function () { p.step(); }],
                 ["step(null)", function () { p.step(null); }],
                 ["step(\"a\", \"b\")", function () { p.step("a", "b"); }],
                 ["close(1)", function () { p.close(1); }],
                 ["read text", function () { return p.text; }],
                 ["write text", function () { p.text = "x"; }]];
    for (var i = 0; i < calls.length; i++) print(calls[i][0], ": ", errorOf(calls[i][1]));
    print("close ", p.close(), ", box gone ", FindWindow(0, "Job [50.0%]") == 0);

    p.open("Same text", "Button", 0);
    var tall = height(FindWindow(0, "Button"));
    p.open("Same text", "No button", 2);
    var box = FindWindow(0, "No button");
    print("mode 2: first box gone ", FindWindow(0, "Button") == 0, ", button visible ",
          IsWindowVisible(GetDlgItem(box, IDCANCEL)), ", lower by ", tall - height(box));

    var cancels = [[0, click], [1, close], [2, close], [2, click]];
    for (var i = 0; i < cancels.length; i++) {
        p.open("", "Cancel", cancels[i][0]);
        cancels[i][1](FindWindow(0, "Cancel"));
        print("mode ", cancels[i][0], " ", cancels[i][1] == click ? "clicked" : "closed", ": step ", p.step(10),
              ", close ", p.close());
    }
    p.open("", "Ask", 1);
    p.step(1);
    for (var i = 0; i < 2; i++) {
        PostMessage(FindWindow(0, "Ask [1.0%]"), WM_COMMAND, IDCANCEL, 0);
        print("mode 1, answered ", answer([IDCANCEL, IDOK][i]) ? ["Cancel", "OK"][i] : "nothing", ": step ", p.step(1));
    }
    p.close();

    frame.open();
    frameWindow = FindWindow(0, "owner");
    p.open(frame, "over a frame", "Ask", 1);
    print("over the frame: owned ", GetWindow(FindWindow(0, "Ask"), GW_OWNER) == frameWindow,
          ", frame enabled ", IsWindowEnabled(frameWindow));
    // The click waits in the queue for a step (or a use of the frame, which serves one
    // message: the timer goes first); the timer answers the question.
    p.step(0);
    frame.setTimer(1, 20);
    PostMessage(FindWindow(0, "Ask [0.0%]"), WM_COMMAND, IDCANCEL, 0);
    var stepped, start = tick();
    do stepped = p.step(5); while (stepped && tick() - start < 5000);
    print(asked, "; answered OK: step ", stepped, ", close ", p.close(), ", frame enabled ", IsWindowEnabled(frameWindow));
    p.open(frame, "", "Gone with the frame");
    box = FindWindow(0, "Gone with the frame");
    frame.close();
    print("frame closed: box gone ", IsWindow(box) == 0, ", step ", p.step(5), ", close ", p.close());
    p.open(frame, "", "Unowned");
    print("over a closed frame: owner ", GetWindow(FindWindow(0, "Unowned"), GW_OWNER));
}
