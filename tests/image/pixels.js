// pixels.js: loads and saves pictures for the image shell tests and prints what came of
// each, for tests/image/pixels.py to check.
//   kova pixels.js FOLDER ITEM...
// ITEM is NAME: loads FOLDER\NAME and prints "NAME: loaded W H" and its pixels, or
// "NAME: undefined"; SOURCE=NAME: loads SOURCE, saves it as NAME and prints "NAME: saved
// W H" and the pixels saved, or "NAME: saved false"; SOURCE>NAME: the same, with "NAME:
// saved true" instead of the pixels. Pixels are a line per row of 0xAARRGGBB words in hex.
function hex(v) {
    var s = (v >>> 0).toString(16);
    return "00000000".substring(s.length) + s;
}

function dump(name, verb, img) {
    print(name, ": ", verb, " ", img.width, " ", img.height);
    for (var y = 0; y < img.height; y++) {
        var row = [];
        for (var x = 0; x < img.width; x++) row.push(hex(img.point(x, y)));
        print(row.join(" "));
    }
}

function main(args) {
    var dir = args[0] + "\\";
    for (var i = 1; i < args.length; i++) {
        var item = args[i], at = item.search(/[=>]/);
        var source = at < 0 ? item : item.substring(0, at), name = item.substring(at + 1);
        var img = Image.load(dir + source);
        if (at < 0) {
            if (img) dump(name, "loaded", img);
            else print(name, ": ", typeof img);
        } else if (!img) {
            print(name, ": source ", source, " is ", typeof img);
        } else if (img.save(dir + name) !== true) {
            print(name, ": saved false");
        } else if (item.charAt(at) == "=") {
            dump(name, "saved", img);
        } else {
            print(name, ": saved true");
        }
    }
    return 0;
}
