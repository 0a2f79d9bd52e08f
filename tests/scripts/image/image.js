// Image: construction, the colour state, cls, pset, point, scroll and draw on opaque
// and transparent pictures, and the refusals.
exec("file/common.inc");

function h(n) { return n === undefined ? "undefined" : sprintf("%08x", n); }
// Every pixel of a small picture, row by row.
function pixels(img) {
    var rows = [];
    for (var y = 0; y < img.height; y++) {
        var row = [];
        for (var x = 0; x < img.width; x++) row.push(h(img.point(x, y)));
        rows.push(row.join(" "));
    }
    return rows.join(" / ");
}

var dir;
// cls with the arguments of an array of one, three or four values.
function clsWith(img, f) {
    if (f.length == 1) img.cls(f[0]);
    else if (f.length == 3) img.cls(f[0], f[1], f[2]);
    else img.cls(f[0], f[1], f[2], f[3]);
}

function main(args) {
    dir = args[0];
    print("new: ", h(new Image(3, 2).point(0, 0)), " ", new Image(3, 2, true).point(0, 0), " ",
          h(new Image(3, 2, 0).point(0, 0)), "; refused: ", status(function () { Image.New(1); }), " ",
          status(function () { Image.New(1, 2, 3, 4); }));
    var empties = [new Image(0, 5), new Image(-1, -1), new Image(100000, 100000)];
    for (var i = 0; i < empties.length; i++) {
        var e = empties[i];
        e.cls("red"); e.pset(0, 0); e.scroll(1, 1); e.draw(new Image(1, 1)); new Image(1, 1).draw(e);
        print("empty: ", e.width, "x", e.height, " point ", e.point(0, 0), " save ", e.save(dir + "e.bmp"));
    }

    var img = new Image(2, 2);
    print("color: ", h(img.color(255, 0, 0)), " ", h(img.color("black")), " ", h(img.color(300, -1, 0, 7)), " ",
          h(img.color(0x80FF0000)), " ", h(img.color("#ff8000")));
    print("color refused: ", [status(function () { img.color(); }), status(function () { img.color(1, 2); }),
        status(function () { img.color(1, 2, 3, 4, 5); }), status(function () { img.color(null); }),
        status(function () { img.color({}); })].join(" "), " kept ", h(img.color(0)));

    // cls premultiplies: an opaque picture gets the darkened colour, a transparent one
    // reads back the straight colour (truncated twice).
    var t = new Image(1, 1, true);
    var fills = [[0, 0, 255, 128], ["#80ff0000"], ["red"], [rgba(1, 2, 3, 0)]];
    for (i = 0; i < fills.length; i++) {
        var f = fills[i];
        clsWith(img, f);
        clsWith(t, f);
        print("cls(", f.join(","), "): opaque ", h(img.point(0, 0)), " transparent ", h(t.point(0, 0)));
    }
    img.color(0, 0, 255);
    img.cls();
    print("cls(): ", pixels(img), "; ", status(function () { img.cls(1, 2); }), " ",
          status(function () { img.cls([]); }));

    // pset blends a translucent colour (the arithmetic itself has unit tests).
    var p = new Image(2, 1, true);
    p.pset(0, 0, "#80ffffff");
    print("pset transparent: ", pixels(p));
    img.color("white");
    img.cls("black");
    img.pset(1, 0); img.pset(-1, 0); img.pset(2, 0); img.pset(0, 1, "lime");
    print("pset: ", pixels(img), " point outside ", img.point(-1, 0), img.point(0, 2), "; ",
          status(function () { img.pset(0); }), " ", status(function () { img.pset(0, 0, null); }));

    // scroll: the picture moves right and down; uncovered pixels become empty.
    var s = new Image(3, 2, true);
    s.pset(0, 0, "red"); s.pset(2, 1, "blue");
    s.scroll(1, 1);
    print("scroll: ", pixels(s));
    // draw: opaque onto opaque copies (clipped at the edges); alpha blends source-over.
    var src = new Image(2, 2);
    src.pset(0, 0, "#102030"); src.pset(1, 0, "#405060"); src.pset(0, 1, "#708090"); src.pset(1, 1, "#a0b0c0");
    var dst = new Image(3, 2);
    dst.cls("white");
    dst.draw(src, -1, 1);
    dst.draw(src, 2, 0);
    print("draw opaque: ", pixels(dst));
    var glass = new Image(2, 1, true);
    glass.cls(255, 0, 0, 128);
    glass.scroll(-1, 0);
    dst.cls("#0000ff");
    dst.draw(glass);
    var under = new Image(2, 1, true);
    under.cls(0, 0, 255, 128);
    under.draw(glass);
    print("draw transparent: ", pixels(dst), " | onto transparent: ", pixels(under));
    // A picture drawn onto itself blends from a copy of itself.
    var self = new Image(4, 1, true);
    self.pset(0, 0, "red"); self.pset(1, 0, "#8000ff00");
    self.draw(self, 2, 0);
    print("draw onto itself: ", pixels(self));
    print("draw refused: ", status(function () { dst.draw(5); }), " ", status(function () { dst.draw(src, 1); }),
          " ", status(function () { dst.draw(); }), " ", pixels(dst));

    print("size: ", dst.width, "x", dst.height, " ", status(function () { dst.width = 5; }), " ", status(function () { dst.resize(1, 1); }), " ", dst.width);
    print("load: ", typeof Image.load(dir + "missing.tga"), " ", status(function () { Image.load(); }),
          " isinst ", Image.isinst(dst), Image.isinst(5), Image.isinst(new BinaryBlob(1)));
}
