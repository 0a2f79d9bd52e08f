// Opening and closing frames: what onClose's e.cancel keeps, what modal() returns,
// re-opening, handler objects, event prefixes, owners, a waited process, and the
// errors of wrong arguments.
var user32 = "user32.dll";
var SendMessage = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var GetWindow = new DllFunc(user32, "handle GetWindow(handle, uint) stdcall");
var IsWindow = new DllFunc(user32, "int IsWindow(handle) stdcall");
var IsWindowEnabled = new DllFunc(user32, "int IsWindowEnabled(handle) stdcall");
var WM_CLOSE = 0x0010, GW_OWNER = 4;

function errorOf(f) {
    try { f(); return "no error"; } catch (e) { return "0x" + (e.number >>> 0).toString(16); }
}

// Every access to a frame first serves one waiting message, so a timer handler that
// calls frame methods may be entered again by the timer's next tick: once(f) acts
// on the first tick only.
function once(f) {
    var done = false;
    return function (e) {
        if (done) return;
        done = true;
        e.window.clearTimer(e.id);
        f(e);
    };
}

var cancelValue, opens = 0, closes = 0, onTick;
function onOpen(e) { opens++; }
function onClose(e) { closes++; if (cancelValue !== undefined) e.cancel = cancelValue; }
function onTimer(e) { if (onTick) onTick(e); }

// A modal frame whose timer runs action(frame), with what modal() returns.
function modalWith(action) {
    var frame = new Frame(100, 60, "modal test");
    cancelValue = undefined;
    var result = frame.modal({ onOpen: function (e) { e.window.setTimer(1, 1); },
                               onTimer: once(function (e) { action(e.window); }),
                               onClose: onClose });
    return result + " (valid " + frame.valid + ")";
}

function main() {
    // e.cancel: a number or boolean that is not 0 keeps the window, anything else not.
    var frame = new Frame(100, 60, "cancel test");
    var values = [true, 1, -1, 0.5, false, 0, "yes", "1", {}, null];
    for (var i = 0; i < values.length; i++) {
        frame.open();
        cancelValue = values[i];
        frame.close();
        print("cancel = ", typeof values[i] == "object" && values[i] ? "{}" : typeof values[i] == "string" ? '"' + values[i] + '"' : values[i],
              ": ", frame.valid ? "kept" : "closed");
        cancelValue = undefined;
        frame.close();
    }

    // Re-opening while onClose refuses keeps the old window and opens no second one.
    opens = closes = 0;
    frame.open();
    var first = FindWindow(0, "cancel test");
    cancelValue = true;
    frame.open();
    print("re-open refused: opens ", opens, ", closes ", closes, ", same window ", FindWindow(0, "cancel test") == first);
    cancelValue = undefined;
    frame.open();
    print("re-open allowed: opens ", opens, ", closes ", closes, ", old window gone ", !IsWindow(first),
          ", valid ", frame.valid);
    frame.close();

    // modal() answers close(n), truncated; 0 by default; the close button (WM_CLOSE)
    // the last number given to close, even by a cancelled close.
    print("close(7): ", modalWith(function (f) { f.close(7); }));
    print("close(2.9): ", modalWith(function (f) { f.close(2.9); }));
    print("close(): ", modalWith(function (f) { f.close(); }));
    print("WM_CLOSE: ", modalWith(function (f) { SendMessage(FindWindow(0, "modal test"), WM_CLOSE, 0, 0); }));
    print("close(5) cancelled, then WM_CLOSE: ", modalWith(function (f) {
        cancelValue = true;
        f.close(5);
        cancelValue = undefined;
        print("  still open: ", f.valid);
        SendMessage(FindWindow(0, "modal test"), WM_CLOSE, 0, 0);
    }));

    // A handler object takes the events in place of the global functions; a prefix
    // names other global functions.
    var handled = new Frame(50, 50, "handler test");
    handled.open({ onTimer: once(function (e) { print("handler onTimer ", e.id, " ", e.window === handled); handled.close(); }) });
    handled.setTimer(3, 1);
    while (handled.valid) sleep(5);
    var prefixed = new Frame(50, 50, "prefix test", "a_");
    a_onTimer = once(function (e) { print("a_onTimer ", e.id); prefixed.close(); });
    prefixed.open();
    prefixed.setTimer(4, 1);
    while (prefixed.valid) sleep(5);

    // An owner frame: the owned window's owner, disabled while the owned one is modal.
    var owner = new Frame(80, 80, "owner test");
    owner.open();
    var ownerWindow = FindWindow(0, "owner test");
    var owned = new Frame(40, 40, "owned test");
    owned.open(owner);
    print("owner: ", GetWindow(FindWindow(0, "owned test"), GW_OWNER) == ownerWindow);
    owned.modal(owner, { onOpen: function (e) { e.window.setTimer(1, 1); },
                         onTimer: once(function (e) {
                             print("owner enabled during modal: ", IsWindowEnabled(ownerWindow) != 0);
                             e.window.close();
                         }) });
    print("owner enabled after modal: ", IsWindowEnabled(ownerWindow) != 0);

    // A waited process disables its frame and enables it again.
    var during = [];
    onTick = once(function (e) { print("global onTimer ", e.id); during.push(IsWindowEnabled(ownerWindow) != 0); });
    owner.setTimer(9, 1);
    var code = process(owner, "cmd /c ping -n 2 127.0.0.1 >nul & exit 3", true);
    print("process: ", code, ", enabled during ", during.join(), ", after ", IsWindowEnabled(ownerWindow) != 0);
    onTick = undefined;
    owner.close();

    // Wrong arguments; methods that need a window do nothing without one.
    var closed = new Frame(10, 10);
    print("errors: open(1, 2) ", errorOf(function () { closed.open(1, 2); }),
          ", close(1, 2) ", errorOf(function () { closed.close(1, 2); }),
          ", popup(1, [\"a\"]) ", errorOf(function () { closed.popup(1, ["a"]); }),
          ", setTimer(1) ", errorOf(function () { closed.setTimer(1); }),
          ", addmenu(\"a\") ", errorOf(function () { closed.addmenu("a"); }),
          ", baloon() ", errorOf(function () { closed.baloon(); }),
          ", valid = 1 ", errorOf(function () { closed.valid = 1; }),
          ", image = 1 ", errorOf(function () { closed.image = 1; }),
          ", nothing() ", errorOf(function () { closed.nothing(); }));
    // new with refused arguments gives an empty value; Frame.New the error itself.
    var refused = [
        ["()", function () { return new Frame(); }, function () { Frame.New(); }],
        ["(1)", function () { return new Frame(1); }, function () { Frame.New(1); }],
        ["(\"1\", 2)", function () { return new Frame("1", 2); }, function () { Frame.New("1", 2); }],
        ["(1, 2, 3)", function () { return new Frame(1, 2, 3); }, function () { Frame.New(1, 2, 3); }],
        ["(1, 2, \"t\", 4)", function () { return new Frame(1, 2, "t", 4); }, function () { Frame.New(1, 2, "t", 4); }],
        ["(1, 2, \"t\", \"p\", 5)", function () { return new Frame(1, 2, "t", "p", 5); },
         function () { Frame.New(1, 2, "t", "p", 5); }]];
    for (var i = 0; i < refused.length; i++)
        print("new Frame", refused[i][0], ": ", typeof refused[i][1](), ", Frame.New: ", errorOf(refused[i][2]));
    print("new Frame(true, 2.5): ", typeof new Frame(true, 2.5), ", image ", new Frame(true, 2.5).image.width, "x",
          new Frame(true, 2.5).image.height);
    print("closed frame: popup ", typeof closed.popup(["a"]), ", valid ", closed.valid, ", visible ", closed.visible,
          ", close/focus/setTimer/clearTimer/update ",
          errorOf(function () { closed.close(); closed.focus(); closed.setTimer(1, 1); closed.clearTimer(1); closed.update(); }));
}
