// A frame on whatever display ./kova found for the run: it opens, its timer ticks
// for the seconds given (none by default), and exit() in the handler then ends the
// run with its code, once a second frame has opened too. Should the first frame go
// away meanwhile, main says so.
var frame = new Frame(80, 60, "headless");
var hold = 0, start = 0;
function onOpen(e) { print("open " + frame.valid); start = tick(); frame.setTimer(1, 50); }
function onTimer(e) {
    if (tick() - start < hold * 1000) return;
    frame.clearTimer(1);
    var other = new Frame(40, 30, "headless too", "other_");
    other.open();
    print("timer " + frame.valid + " " + other.valid);
    exit(3);
}
function main(args) {
    hold = Number(args[0] || 0);
    frame.open();
    while (frame.valid) sleep(50);
    print("closed");
    return 4;
}
