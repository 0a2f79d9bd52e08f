// A progress box over an open frame runs on the script's thread: it is owned by the
// frame, which is disabled until the box closes, and it is served only inside step.
// A question asked over a frame is answered from the frame's timer, which the
// question's own loop serves, and a step made meanwhile does not wait for the answer.
var user32 = "user32.dll";
var SendMessage = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
var PostMessage = new DllFunc(user32, "int PostMessageA(handle, uint, ptr, ptr) stdcall");
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var GetWindow = new DllFunc(user32, "handle GetWindow(handle, uint) stdcall");
var IsWindow = new DllFunc(user32, "int IsWindow(handle) stdcall");
var IsWindowEnabled = new DllFunc(user32, "int IsWindowEnabled(handle) stdcall");
var GetWindowThreadProcessId = new DllFunc(user32, "uint GetWindowThreadProcessId(handle, ptr) stdcall");
var GetCurrentThreadId = new DllFunc("kernel32.dll", "uint GetCurrentThreadId() stdcall");
var WM_CLOSE = 0x0010, WM_COMMAND = 0x0111, IDOK = 1, IDCANCEL = 2, GW_OWNER = 4;

var frame = new Frame(200, 100, "owner frame");
var p = new Progress();
var asked = [], frameWindow = 0;

function describe(title) {
    var box = FindWindow(0, title), owner = GetWindow(box, GW_OWNER);
    return "owner " + (owner == 0 ? "none" : owner == frameWindow ? "the frame" : "another window") +
           ", own thread " + (GetWindowThreadProcessId(box, 0) != GetCurrentThreadId()) +
           (frame.valid ? ", frame enabled " + (IsWindowEnabled(frameWindow) != 0) : "");
}

// While the question is up, one timer tick steps and then answers it.
function onTimer(e) {
    var question = FindWindow(0, "Owned ask");
    if (!question || asked.length) return;
    asked.push("during the question: step " + p.step(3) + ", frame enabled " + (IsWindowEnabled(frameWindow) != 0));
    PostMessage(question, WM_COMMAND, IDOK, 0);
}

function main() {
    frame.open();
    frameWindow = FindWindow(0, "owner frame");

    p.open(frame, "over a frame", "Owned");
    print("open over the frame: ", describe("Owned"));
    var box = FindWindow(0, "Owned");
    print("step: ", p.step(25.5, "new text"), ", caption found ", FindWindow(0, "Owned [25.5%]") == box);
    SendMessage(box, WM_COMMAND, IDCANCEL, 0);
    print("cancelled: step ", p.step(30), ", close ", p.close(), ", box gone ", IsWindow(box) == 0,
          ", frame enabled ", IsWindowEnabled(frameWindow) != 0);

    // Owner, message and title by default; mode 2 ignores being closed.
    p.open(frame);
    box = FindWindow(0, "kova");
    print("defaults: ", describe("kova"));
    p.open(frame, "", "Owned 2", 2);
    print("reopened: first box gone ", IsWindow(box) == 0, ", ", describe("Owned 2"));
    SendMessage(FindWindow(0, "Owned 2"), WM_CLOSE, 0, 0);
    print("mode 2 closed by the system: step ", p.step(1), ", close ", p.close(), ", frame enabled ",
          IsWindowEnabled(frameWindow) != 0);

    // Mode 1: the click reaches the box inside step, and the question runs there.
    p.open(frame, "", "Owned ask", 1);
    p.step(0);
    box = FindWindow(0, "Owned ask [0.0%]");
    frame.setTimer(1, 20);
    PostMessage(box, WM_COMMAND, IDCANCEL, 0);
    // The message may wait behind others: each step serves the queue for 1 ms only.
    var stepped, start = tick();
    do stepped = p.step(5); while (stepped && !asked.length && tick() - start < 5000);
    frame.clearTimer(1);
    print(asked.length ? asked[0] : "the question was not answered");
    print("answered OK: step ", stepped, ", close ", p.close());

    // A box whose frame goes first: the frame's window takes the box with it.
    p.open(frame, "", "Owned 3");
    box = FindWindow(0, "Owned 3");
    frame.close();
    print("frame closed: box gone ", IsWindow(box) == 0, ", step ", p.step(50), ", close ", p.close());

    // A closed frame owns nothing: the box gets a thread of its own.
    p.open(frame, "", "Unowned");
    print("over a closed frame: ", describe("Unowned"));
    print("close: ", p.close());
}
