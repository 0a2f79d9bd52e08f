// examples/clock.js in its demo mode runs three ticks of its one-second timer on a
// LayeredFrame, then saves the canvas: a dial, opaque inside, a partly transparent edge,
// and fully transparent corners.
exec("../../examples/clock.js");
var clockMain = main;

main = function (args) {
    var code = clockMain(["--demo", args[0]]);
    var img = Image.load(args[0] + "\\clock.png");
    if (!img) { print("clock.png did not load"); return 1; }
    print("clock.png ", img.width, " x ", img.height);
    var spots = [[0, 0, "corner"], [179, 179, "corner"], [29, 29, "edge"], [90, 6, "rim"], [110, 13, "face"],
                 [90, 90, "hub"]];
    for (var i = 0; i < spots.length; i++) {
        var c = img.point(spots[i][0], spots[i][1]) >>> 0, alpha = c >>> 24;
        var what = alpha == 0 ? "transparent" : alpha < 255 ? "partly transparent" : sprintf("#%06x", c & 0xffffff);
        print(spots[i][2], " (", spots[i][0], ", ", spots[i][1], "): ", what);
    }
    return code;
};
