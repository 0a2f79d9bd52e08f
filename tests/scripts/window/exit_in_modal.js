// exit() inside a handler of a modal frame ends the program with its code at once.
var frame = new Frame(60, 40, "exit test");
function onOpen(e) { frame.setTimer(1, 1); }
function onTimer(e) { print("exiting"); exit(3); print("not reached"); }
function main() { frame.modal(); print("not reached after modal"); }
