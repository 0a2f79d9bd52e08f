// codec.js: times Image.load and save of PNG and JPEG pictures of 6000 x 4000, one line
// each, in the layout bench/codec_loop.cpp prints for the same work done by calling
// libpng and libjpeg-turbo directly.
// Run as: kova bench/codec.js FOLDER [OPERATION COUNT]...
//
// FOLDER holds the pictures codec_loop makes (bench.png, bench-alpha.png, bench.jpg);
// saves write kova-bench.png and .jpg there and delete them. OPERATIONs are load.png,
// load.png.alpha, load.jpg, save.png, save.png.alpha and save.jpg, each 3 times by
// default. An operation timed more than once runs once before its timing, then in up
// to five batches; a line gives the fastest batch's milliseconds per operation (noise
// on a shared machine only ever adds time).

exec("bench/timing.inc");

var deleteFile = new DllFunc("kernel32.dll", "int DeleteFileW(wstr) stdcall");


function main(args) {
    if (args.length < 1 || args.length % 2 != 1) {
        print("usage: kova bench/codec.js FOLDER [OPERATION COUNT]...");
        return 2;
    }
    var dir = args[0] + "\\";
    var ops = args.length > 1 ? args.slice(1) :
        ["load.png", 3, "load.png.alpha", 3, "load.jpg", 3, "save.png", 3, "save.png.alpha", 3, "save.jpg", 3];
    var sources = { "png": "bench.png", "png.alpha": "bench-alpha.png", "jpg": "bench.jpg" };
    for (var i = 0; i < ops.length; i += 2) {
        var name = ops[i], count = +ops[i + 1], kind = name.substring(5);
        var source = dir + (name == "save.jpg" ? "bench.png" : sources[kind]);
        if (!sources[kind] || !(count > 0)) {
            print("codec.js: unknown operation or count: ", name, " ", ops[i + 1]);
            return 2;
        }
        var ok;
        if (name.substring(0, 5) == "load.") {
            var loaded = null;
            ok = timed(name, count, "Image.load", function () {
                loaded = null;
                loaded = Image.load(source);
                return loaded !== undefined;
            });
            loaded = null;
        } else {
            var picture = Image.load(source);
            var target = dir + "kova-bench." + (name == "save.jpg" ? "jpg" : "png");
            ok = picture !== undefined && timed(name, count, "img.save", function () { return picture.save(target); });
            picture = null;
            deleteFile(target);
        }
        if (!ok) {
            print("codec.js: ", name, " failed");
            return 1;
        }
    }
    return 0;
}
