// image.js: times the Image object's bulk operations, one line each: cls and scroll of
// a 4096 x 4096 image, draw of one 2048 x 2048 image onto another, and save and load
// of a 6000 x 4000 image as TGA and BMP.
// Run as: kova bench/image.js [FOLDER [SCALE]]
//
// The first line is the cost of the call itself: cls of a 1 x 1 image, whose fill is
// one word.
// The files go to FOLDER (default: the TEMP folder) and are deleted at the end. SCALE
// multiplies every repetition count (default 1). Each operation runs once before its
// timing; a line gives its name, the count and the milliseconds per operation, the
// layout bench/image_loop.cpp prints for the same work in C.

var deleteFile = new DllFunc("kernel32.dll", "int DeleteFileW(wstr) stdcall");

// Wine's ExpandEnvironmentStrings keeps the terminating null in its result; the
// environment collection answers the plain text.
function tempFolder() {
    return new ActiveXObject("WScript.Shell").Environment("PROCESS")("TEMP");
}

// Runs body(i) count times after one run outside the timing; prints the line.
function timed(name, count, what, body) {
    body(-1);
    var start = new Date().getTime();
    for (var i = 0; i < count; i++) body(i);
    var ms = new Date().getTime() - start;
    printf("%-12s %6d x %10.4f ms  %s\n", name, count, ms / count, what);
}

// Saving and loading time apart: the saves first, then the loads of the file saved.
function files(name, image, path, count) {
    var saved = true;
    var start = new Date().getTime();
    for (var i = 0; i < count; i++) saved = image.save(path) && saved;
    var ms = new Date().getTime() - start;
    if (!saved) {
        print("image.js: cannot write ", path);
        return false;
    }
    printf("%-12s %6d x %10.4f ms  img.save(\"%s\")\n", "save." + name, count, ms / count, path);
    var loaded = null;
    start = new Date().getTime();
    for (i = 0; i < count; i++) {
        loaded = null;  // the last image is freed before the next load
        loaded = Image.load(path);
    }
    ms = new Date().getTime() - start;
    deleteFile(path);
    if (!loaded || loaded.width != image.width) {
        print("image.js: cannot read ", path);
        return false;
    }
    printf("%-12s %6d x %10.4f ms  Image.load(\"%s\")\n", "load." + name, count, ms / count, path);
    return true;
}

function main(args) {
    var folder = args.length > 0 ? args[0] : tempFolder();
    var scale = args.length > 1 ? +args[1] : 1;
    if (!(scale > 0)) {
        print("usage: kova bench/image.js [FOLDER [SCALE]]");
        return 2;
    }
    var n = function (count) { return Math.max(1, Math.round(count * scale)); };

    var tiny = new Image(1, 1);
    timed("call.cls", n(100000), "img.cls(0, 0, 0) of 1 x 1", function () { tiny.cls(0, 0, 0); });

    var opaque = new Image(4096, 4096), alpha = new Image(4096, 4096, true);
    timed("cls.opaque", n(200), "img.cls(0, 0, 0) of 4096 x 4096", function () { opaque.cls(0, 0, 0); });
    timed("cls.alpha", n(200), "img.cls(0, 0, 0, 0) of 4096 x 4096 with alpha", function () { alpha.cls(0, 0, 0, 0); });
    timed("scroll.1.1", n(200), "img.scroll(1, 1) of 4096 x 4096", function () { opaque.scroll(1, 1); });
    timed("scroll.0.1", n(200), "img.scroll(0, 1) of 4096 x 4096", function () { opaque.scroll(0, 1); });
    opaque = alpha = null;

    // Every pixel of the source with alpha is half transparent, so each one is blended.
    var target = new Image(2048, 2048), source = new Image(2048, 2048), translucent = new Image(2048, 2048, true);
    target.cls(0, 0, 0);
    source.cls(255, 255, 255);
    translucent.cls(128, 128, 128, 128);
    timed("draw.opaque", n(200), "img.draw(opaque) of 2048 x 2048", function () { target.draw(source); });
    timed("draw.alpha", n(20), "img.draw(with alpha) of 2048 x 2048", function () { target.draw(translucent); });
    target = source = translucent = null;

    var picture = new Image(6000, 4000), withAlpha = new Image(6000, 4000, true);
    picture.cls(64, 128, 192);
    withAlpha.cls(64, 128, 192, 128);
    var base = folder + "\\kova-bench-image.";
    var ok = files("tga24", picture, base + "tga", n(5)) && files("bmp", picture, base + "bmp", n(5)) &&
        files("tga32", withAlpha, base + "tga", n(5));
    return ok ? 0 : 1;
}
