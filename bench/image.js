// image.js: times the Image object's bulk operations, one line each: cls and scroll of
// a 4096 x 4096 image, draw of one 2048 x 2048 image onto another, and save and load
// of a 6000 x 4000 image as TGA and BMP.
// Run as: kova bench/image.js [FOLDER [SCALE]]
//
// The files go to FOLDER (default: the TEMP folder) and are deleted at the end. SCALE
// multiplies every repetition count (default 1). Each operation runs once before its
// timing, then in five batches of a fifth of the count; a line gives its name, the
// count and the milliseconds per operation of the fastest batch (noise on a shared
// machine only ever adds time), the layout bench/image_loop.cpp prints for the same
// work in C.
//
// The first line is the cost of the call itself: cls of a 1 x 1 image, whose fill is
// one word.

exec("bench/timing.inc");

var deleteFile = new DllFunc("kernel32.dll", "int DeleteFileW(wstr) stdcall");

// Wine's ExpandEnvironmentStrings keeps the terminating null in its result; the
// environment collection answers the plain text.
function tempFolder() {
    return new ActiveXObject("WScript.Shell").Environment("PROCESS")("TEMP");
}

// Saves, then loads of the file saved; the last image loaded is freed before the next.
function files(name, image, path, count) {
    var loaded = null;
    var ok = timed("save." + name, count, "img.save(\"" + path + "\")", function () { return image.save(path); }) &&
        timed("load." + name, count, "Image.load(\"" + path + "\")", function () {
            loaded = null;
            loaded = Image.load(path);
            return loaded !== undefined && loaded.width == image.width;
        });
    deleteFile(path);
    if (!ok) print("image.js: cannot save or load ", path);
    return ok;
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
    timed("cls.opaque", n(250), "img.cls(0, 0, 0) of 4096 x 4096", function () { opaque.cls(0, 0, 0); });
    timed("cls.alpha", n(250), "img.cls(0, 0, 0, 0) of 4096 x 4096 with alpha", function () { alpha.cls(0, 0, 0, 0); });
    timed("scroll.1.1", n(250), "img.scroll(1, 1) of 4096 x 4096", function () { opaque.scroll(1, 1); });
    timed("scroll.0.1", n(250), "img.scroll(0, 1) of 4096 x 4096", function () { opaque.scroll(0, 1); });
    opaque = alpha = null;

    // Every pixel of the source with alpha is half transparent, so each one is blended.
    var target = new Image(2048, 2048), source = new Image(2048, 2048), translucent = new Image(2048, 2048, true);
    target.cls(0, 0, 0);
    source.cls(255, 255, 255);
    translucent.cls(128, 128, 128, 128);
    timed("draw.opaque", n(500), "img.draw(opaque) of 2048 x 2048", function () { target.draw(source); });
    timed("draw.alpha", n(50), "img.draw(with alpha) of 2048 x 2048", function () { target.draw(translucent); });
    target = source = translucent = null;

    var picture = new Image(6000, 4000), withAlpha = new Image(6000, 4000, true);
    picture.cls(64, 128, 192);
    withAlpha.cls(64, 128, 192, 128);
    var base = folder + "\\kova-bench-image.";
    var ok = files("tga24", picture, base + "tga", n(5)) && files("bmp", picture, base + "bmp", n(5)) &&
        files("tga32", withAlpha, base + "tga", n(5));
    return ok ? 0 : 1;
}
