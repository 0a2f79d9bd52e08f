// Image files through the script: the save and load results by extension (a picture
// with alpha keeps it in TGA and PNG and loses it in BMP and JPEG; other extensions save
// as BMP and load through plug-ins, of which there are none here), and the refused
// arguments of save. The codecs' conformance is tested against ImageMagick elsewhere.
exec("file/common.inc");

function main(args) {
    var dir = args[0];
    var img = new Image(2, 1, true);
    img.cls("#80ff0000");
    var names = ["a.TGA", "b.bmp", "c.gif", "noext", "d.png", "e.jpg", "f.jpeg"];
    for (var i = 0; i < names.length; i++) {
        var saved = img.save(dir + names[i]);
        var back = Image.load(dir + names[i]);
        print(names[i], ": ", saved, " ", back ? sprintf("%dx%d %08x", back.width, back.height, back.point(1, 0))
                                                : typeof back);
    }
    print("refused: ", status(function () { img.save(5); }), " ", status(function () { img.save(); }),
          " ", status(function () { img.save("a", "b"); }), " ", img.save(dir + "no\\such\\dir.bmp"));
}
