// Frames per second of a 640 x 480 frame's canvas shown with update(): 10,000 pset calls
// a frame, one draw of a 640 x 480 picture a frame, and update() alone; on a Frame
// (painted through WM_PAINT) and a LayeredFrame (pushed with UpdateLayeredWindow).
// Run from the repository root under an X display: kova bench/frame.js [frames]
// (frames defaults to 100). Each line runs one frame before its timing.

var WIDTH = 640, HEIGHT = 480, PSETS = 10000;

function psetFrame(img, f) {
    for (var i = 0; i < PSETS; i++) img.pset((i * 37 + f) % WIDTH, (i * 11 + f * 3) % HEIGHT, i * 2654435 + f);
}

// The same loop without the host call, for the script's own share.
function loopFrame(img, f) {
    var sum = 0;
    for (var i = 0; i < PSETS; i++) sum += (i * 37 + f) % WIDTH + (i * 11 + f * 3) % HEIGHT + i * 2654435 + f;
    return sum;
}

function run(frame, label, what, frames, body) {
    var img = frame.image;
    body(frame, img, 0);
    var start = new Date().getTime();
    for (var f = 1; f <= frames; f++) body(frame, img, f);
    var ms = new Date().getTime() - start;
    printf("%-13s %-26s %6d %9.1f %9.2f\n", label, what, frames, ms > 0 ? frames * 1000 / ms : 0, ms / frames);
}

function main(args) {
    var frames = args.length > 0 ? parseInt(args[0], 10) : 100;
    if (!(frames > 0)) {
        print("usage: kova bench/frame.js [frames]");
        return 1;
    }
    var picture = new Image(WIDTH, HEIGHT);
    for (var y = 0; y < HEIGHT; y += 8) {
        for (var x = 0; x < WIDTH; x += 8) picture.pset(x, y, rgb(x % 256, y % 256, 128));
    }
    printf("%-13s %-26s %6s %9s %9s\n", "frame", "each frame", "frames", "fps", "ms/frame");
    var kinds = [["Frame", Frame], ["LayeredFrame", LayeredFrame]];
    for (var k = 0; k < kinds.length; k++) {
        var frame = new kinds[k][1](WIDTH, HEIGHT, "frame.js " + kinds[k][0]);
        frame.image.cls(rgb(255, 255, 255));
        frame.open();
        var label = kinds[k][0];
        run(frame, label, "update", frames, function (fr, img, f) { fr.update(); });
        run(frame, label, PSETS + " pset + update", frames, function (fr, img, f) { psetFrame(img, f); fr.update(); });
        run(frame, label, "draw 640 x 480 + update", frames, function (fr, img, f) { img.draw(picture, 0, 0); fr.update(); });
        frame.close();
    }
    var img = new Image(WIDTH, HEIGHT);
    run({ image: img }, "no window", PSETS + " pset", frames, function (fr, im, f) { psetFrame(im, f); });
    run({ image: img }, "no window", PSETS + " steps, no pset", frames, function (fr, im, f) { loopFrame(im, f); });
    run({ image: img }, "no window", "draw 640 x 480", frames, function (fr, im, f) { im.draw(picture, 0, 0); });
    return 0;
}
