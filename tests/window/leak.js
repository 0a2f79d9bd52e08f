// Driven by leak.test.sh: opens and closes a window many times and prints how far the
// highest GDI and USER handle place moved in each half of the cycles, at least.
// Wine answers GetGuiResources with 0, so a leak shows as growth instead: a batch of
// new brushes or menus takes the freed places first, and each place a cycle kept
// pushes the batch into one more new, higher place (two for USER handles, whose
// places are two apart).
// Arguments: the number of cycles, then the kind of window (below).
var gdi32 = "gdi32.dll", user32 = "user32.dll";
var CreateSolidBrush = new DllFunc(gdi32, "handle CreateSolidBrush(uint) stdcall");
var DeleteObject = new DllFunc(gdi32, "int DeleteObject(handle) stdcall");
var CreateMenu = new DllFunc(user32, "handle CreateMenu() stdcall");
var DestroyMenu = new DllFunc(user32, "int DestroyMenu(handle) stdcall");
var kernel32 = "kernel32.dll";
var CreateToolhelp32Snapshot = new DllFunc(kernel32, "handle CreateToolhelp32Snapshot(uint, uint) stdcall");
var Thread32First = new DllFunc(kernel32, "int Thread32First(handle, binary) stdcall");
var Thread32Next = new DllFunc(kernel32, "int Thread32Next(handle, binary) stdcall");
var CloseHandle = new DllFunc(kernel32, "int CloseHandle(handle) stdcall");
var GetCurrentProcessId = new DllFunc(kernel32, "uint GetCurrentProcessId() stdcall");

// The highest place (a handle's low 16 bits; the high ones count reuses) among count
// new objects. They are freed in reverse, which puts the free lists back in the
// order the batch found them, so that a second batch takes the same places. A batch
// must use up the free list: USER handles come from one table for all programs of
// the Wine server, whose free places others' menus and windows left behind, hence
// the larger batch of menus.
function highest(create, destroy, count) {
    var made = [], top = 0;
    for (var i = 0; i < count; i++) {
        made.push(create());
        top = Math.max(top, made[i] % 65536);
    }
    while (made.length) destroy(made.pop());
    return top;
}
function measure() {
    return { gdi: highest(function () { return CreateSolidBrush(0x123456); }, DeleteObject, 2000),
             user: highest(CreateMenu, DestroyMenu, 12000) };
}

// The threads of this process, from a snapshot of all (THREADENTRY32: its size, a
// usage count, the thread's and its process's ids, ...).
function threads() {
    var snapshot = CreateToolhelp32Snapshot(4, 0), entry = new BinaryBlob(28), count = 0;
    var self = GetCurrentProcessId();
    entry.set([28], "uint32");
    for (var more = Thread32First(snapshot, entry); more; more = Thread32Next(snapshot, entry))
        if (entry.get("uint32")[3] == self) count++;
    CloseHandle(snapshot);
    return count;
}

// One opening and closing of each kind, by the second argument: a frame with a
// canvas, a timer and a menu bar ("leak": the same, keeping a brush and a menu each
// time), a dialog frame with a button and an edit box ("controls"), or the input box
// of prompt over a frame, cancelled by the frame's timer ("prompt"), or a progress
// box on its own thread and one over a frame ("progress").
var kept = [], opened = true;
var cycles = {
    frame: function () {
        var frame = new Frame(64, 48, "leak test");
        frame.addmenu("File", ["Open", "-", "Quit"]);
        frame.addmenu("Edit", ["Cut"]);
        return function () {
            frame.open();
            opened = opened && frame.valid;
            frame.setTimer(1, 1000);
            frame.image.cls(0xFF336699);
            frame.update();
            frame.close();
        };
    },
    controls: function () {
        var frame = new Dialog(160, 80, "leak test");
        frame.button("OK", [10, 10, 60, 24], "ok_");
        var edit = frame.editbox("text", [10, 40, 140, 22]);
        return function () {
            frame.open();
            opened = opened && frame.valid;
            edit.data = "more text";
            frame.close();
        };
    },
    prompt: function () {
        var FindWindow = new DllFunc(user32, "handle FindWindowA(string, string) stdcall");
        var PostMessage = new DllFunc(user32, "int PostMessageA(handle, uint, ptr, ptr) stdcall");
        var frame = new Frame(64, 48, "leak test"), cancelled = false;
        var handler = { onTimer: function () {
            var box = FindWindow("#32770", "leak prompt");
            if (box && !cancelled) cancelled = PostMessage(box, 0x0111, 2, 0) != 0;  // WM_COMMAND, Cancel
        } };
        return function () {
            frame.open(handler);
            frame.setTimer(1, 10);
            cancelled = false;
            var result = prompt(frame, "Cancelled at once", "", "leak prompt");
            opened = opened && cancelled && result === undefined;
            frame.close();
        };
    },
    progress: function () {
        var frame = new Frame(64, 48, "leak test"), p = new Progress();
        return function () {
            p.open("leak test\ton its own thread", "leak box");
            opened = opened && p.step(50, "half") === true;
            p.close();
            frame.open();
            p.open(frame, "leak test\tover a frame", "leak box", 1);
            opened = opened && p.step(50, "half") === true;
            p.close();
            frame.close();
        };
    }
};

function main(args) {
    var count = +args[0], kind = args[1] || "frame";
    var step = cycles[kind == "leak" ? "frame" : kind]();
    var cycle = function () {
        step();
        if (kind == "leak") kept.push(CreateSolidBrush(0x654321), CreateMenu());
    };
    // What the first openings create once (classes, caches) is not a leak.
    for (var i = 0; i < 20; i++) cycle();
    kept = [];
    measure();
    // Growth is taken in two halves and the smaller one counts: a leak grows in both,
    // while Wine now and then fills a cache of its own once, at any moment (19 GDI
    // handles, on a loaded machine).
    var before = measure(), threadsBefore = threads(), halves = [];
    for (var half = 0; half < 2; half++) {
        for (var i = 0; i < count / 2; i++) cycle();
        var after = measure();
        halves.push({ gdi: after.gdi - before.gdi, user: after.user - before.user });
        before = after;
    }
    // Without a display nothing opens, and nothing would leak.
    print(opened ? "gdi " + Math.min(halves[0].gdi, halves[1].gdi) +
                   " user " + Math.min(halves[0].user, halves[1].user) +
                   " threads " + (threads() - threadsBefore) : "the " + kind + " did not open");
}
