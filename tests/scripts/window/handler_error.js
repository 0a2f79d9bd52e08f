// A script error inside an event handler is reported and ends only that handler:
// the frame goes on getting events, an error in onClose does not keep the window,
// and main's result is still the exit code.
var frame = new Frame(60, 40, "handler error test");
var ticks = 0;
function onOpen(e) { print("onOpen"); frame.setTimer(1, 1); missingInOpen(); }
function onTimer(e) {
    // close() serves one message first, perhaps the next tick: it does nothing.
    if (ticks >= 3) return;
    ticks++;
    print("tick ", ticks);
    if (ticks == 1) throw new Error("thrown in onTimer");
    if (ticks == 2) Script.noSuchMethod();
    if (ticks == 3) frame.close(6);
}
function onClose(e) { print("onClose"); null.x; e.cancel = true; }
function main() {
    print("modal: ", frame.modal(), ", valid ", frame.valid);
    return 4;
}
