// clock.js: a round clock floating on the desktop, with no window frame around it.
// Click it or press Escape to close it.
// Run it as: kova clock.js
//            kova clock.js --demo [folder]   (three ticks, then saves the dial as clock.png and ends)
//
// A LayeredFrame's canvas has an alpha channel: pixels with alpha 0 are not part of the
// window at all, so everything outside the dial shows the desktop. update() hands the
// whole canvas to the window system.

var SIZE = 180, CENTRE = SIZE / 2, RADIUS = 86, RIM = 5;
var FACE = rgb(250, 246, 232), RIM_COLOUR = rgb(40, 60, 90), INK = rgb(30, 30, 40), SECONDS_COLOUR = rgb(200, 30, 30);
var frame, face, demoTicks = 0, folder = "";

function main(args) {
    if (args.length > 0 && args[0] == "--demo") {
        demoTicks = 3;
        if (args.length > 1) folder = args[1] + "\\";
    }
    face = drawFace();
    frame = new LayeredFrame(SIZE, SIZE, "KOVA Clock");
    drawClock(new Date());
    frame.modal();
    return 0;
}

// The dial, drawn once: a disc with a rim and twelve marks, transparent around it. The
// outermost ring of pixels is partly transparent, so the edge looks smooth.
function drawFace() {
    var img = new Image(SIZE, SIZE, true);
    for (var y = 0; y < SIZE; y++) {
        for (var x = 0; x < SIZE; x++) {
            var d = Math.sqrt((x + 0.5 - CENTRE) * (x + 0.5 - CENTRE) + (y + 0.5 - CENTRE) * (y + 0.5 - CENTRE));
            var cover = Math.min(1, RADIUS - d + 0.5);
            if (cover <= 0) continue;
            var c = d > RADIUS - RIM ? RIM_COLOUR : FACE;
            img.pset(x, y, (c & 0xffffff) | Math.round(cover * 255) << 24);
        }
    }
    for (var hour = 0; hour < 12; hour++) {
        hand(img, hour / 12, RADIUS - RIM - 12, RADIUS - RIM - 3, hour % 3 == 0 ? 3 : 2, INK);
    }
    return img;
}

// A straight stroke of width w along the direction of turn (0 is 12 o'clock, 0.25 is
// 3 o'clock) from distance r0 to r1 from the centre: squares of w x w pixels stamped
// along the line.
function hand(img, turn, r0, r1, w, colour) {
    var dx = Math.sin(turn * 2 * Math.PI), dy = -Math.cos(turn * 2 * Math.PI);
    var steps = Math.max(1, Math.ceil(r1 - r0));
    for (var i = 0; i <= steps; i++) {
        var r = r0 + (r1 - r0) * i / steps;
        var x = Math.round(CENTRE + dx * r - w / 2), y = Math.round(CENTRE + dy * r - w / 2);
        for (var j = 0; j < w; j++) {
            for (var k = 0; k < w; k++) img.pset(x + j, y + k, colour);
        }
    }
}

function drawClock(now) {
    var img = frame.image;
    var s = now.getSeconds(), m = now.getMinutes() + s / 60, h = now.getHours() % 12 + m / 60;
    // cls(0) makes the canvas fully transparent; draw blends the dial over it.
    img.cls(0);
    img.draw(face, 0, 0);
    hand(img, h / 12, -6, RADIUS * 0.5, 4, INK);
    hand(img, m / 60, -8, RADIUS * 0.75, 3, INK);
    hand(img, s / 60, -12, RADIUS * 0.84, 1, SECONDS_COLOUR);
    hand(img, 0, 0, 0, 6, SECONDS_COLOUR);   // the hub
    frame.update();
}

function onOpen(e) {
    e.window.setTimer(1, 1000);
}

function onTimer(e) {
    drawClock(new Date());
    if (demoTicks > 0 && --demoTicks == 0) {
        e.window.clearTimer(1);
        var path = folder + "clock.png";
        print(e.window.image.save(path) ? "Saved " : "Could not save ", path);
        e.window.close();
    }
}

function onMouseDown(e) {
    e.window.close();
}

function onKeyDown(e) {
    if (e.keyCode == 27) e.window.close();
}
