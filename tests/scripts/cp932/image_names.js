// Image file names in Shift_JIS: a name whose lead byte is followed by the trail byte
// 0x5C (表) keeps its extension, and a double-byte extension leads to the BMP writer.
function main(args) {
    var dir = args[0];
    var img = new Image(2, 1);
    img.pset(1, 0, "white");
    var names = ["表.TGA", "ソ表.Bmp", "画像.表", "表"];
    for (var i = 0; i < names.length; i++) {
        var saved = img.save(dir + names[i]);
        var f = new File(dir + names[i], "rb");
        var head = f ? f.read(2).join(",") : "none";
        if (f) f.close();
        var back = Image.load(dir + names[i]);
        print(names[i], ": ", saved, " [", head, "] ", back ? sprintf("%08x", back.point(1, 0)) : "undefined");
    }
}
