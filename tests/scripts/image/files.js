// Image files: the codec chosen by extension, what the TGA and BMP writers store, and
// what the readers give back; names they cannot handle fail without an error.
exec("file/common.inc");

var dir;
function h(n) { return sprintf("%08x", n); }
function pixels(img) {
    var r = [];
    for (var y = 0; y < img.height; y++) for (var x = 0; x < img.width; x++) r.push(h(img.point(x, y)));
    return r.join(" ");
}
function writeBytes(name, bytes) {
    var f = new File(dir + name, "wb");
    f.write(bytes);
    f.close();
}

function main(args) {
    dir = args[0];
    var opaque = new Image(3, 2);
    opaque.cls("#123456");
    opaque.pset(0, 0, "#ff0000");
    opaque.pset(2, 1, "#0000fe");
    var glass = new Image(3, 1, true);
    glass.cls(255, 0, 0, 128);
    glass.pset(1, 0, "#c0ffffff");
    glass.scroll(1, 0);

    var names = ["a.tga", "B.TGA", "c.bmp", "d.Bmp", "e.gif", "noext", "f.png", "g.jpg", "h.jpeg"];
    for (var i = 0; i < names.length; i++) {
        var n = names[i];
        var saved = [opaque.save(dir + n), glass.save(dir + "alpha-" + n)];
        var back = [Image.load(dir + n), Image.load(dir + "alpha-" + n)];
        var file = new File(dir + n, "rb");
        var head = file ? file.read(2) : [];
        if (file) file.close();
        var text = [];
        for (var j = 0; j < 2; j++) {
            text.push(saved[j] + " " + (back[j] ? back[j].width + "x" + back[j].height + " " + pixels(back[j]) : "undefined"));
        }
        print(n, ": ", text.join(" | "), " [", hex(head), "]");
    }
    // Header fields: 32 bits with eight alpha bits at the bottom left; BMP with its
    // real file size, 54-byte offset, 40-byte info header and 24 bits.
    print("tga: ", hex(fileBytes("alpha-a.tga").slice(0, 18)));
    print("bmp: ", hex(fileBytes("c.bmp").slice(0, 30)), " of ", fileBytes("c.bmp").length);

    print("refused: ", status(function () { opaque.save(5); }), " ", status(function () { opaque.save(); }),
          " ", status(function () { opaque.save("a", "b"); }), " ", opaque.save(dir + "no\\such\\dir.bmp"));
    // Broken files and names that lead to no reader.
    writeBytes("bad.bmp", [0x42, 0x4D, 1, 2, 3]);
    writeBytes("bad.tga", [0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0, 1, 2, 3]);
    var broken = ["bad.bmp", "bad.tga", "noext", ""];
    for (i = 0; i < broken.length; i++) broken[i] += ": " + typeof Image.load(dir + broken[i]);
    print(broken.join(", "));
}
