// Quit ends the script at once with its code, from global code (also before talk mode),
// from main and from a window's event handler: nothing after it runs, neither main nor
// talk mode. The place is the first script option, global code by default.
var place = WScript.Arguments.length ? WScript.Arguments(0) : "global";
var frame;
print("global code");
if (place == "global") WScript.Quit(4);
function onOpen(e) { frame.setTimer(1, 1); }
function onTimer(e) { print("handler"); WScript.Quit(6); print("not reached"); }
function main() {
    print("main");
    if (place == "main") WScript.Quit(5.4);
    if (place == "handler") {
        frame = new Frame(60, 40, "quit test");
        frame.modal();
    }
    print("not reached");
    return 1;
}
