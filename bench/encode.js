// encode.js: times encode and decode of a whole file's text.
// Run as: kova bench/encode.js NARROW_FILE EXTERNAL_FILE ENCODING [COUNT]
// NARROW_FILE holds the text in the narrow character set; EXTERNAL_FILE the same
// text in ENCODING. Each conversion runs COUNT times (default 5).
function readAll(name, encoding) {
    var f = File.open(name, "rb", encoding);
    var parts = [];
    for (;;) {
        var line = f.gets();
        if (line == "") break;
        parts.push(line);
    }
    f.close();
    return parts.join("");
}

function readBytes(name) {
    var f = File.open(name, "rb");
    var bytes = f.read(1 << 30);
    f.close();
    return bytes;
}

function main(args) {
    if (args.length < 3) {
        print("usage: kova bench/encode.js NARROW_FILE EXTERNAL_FILE ENCODING [COUNT]");
        return 2;
    }
    var count = args.length > 3 ? +args[3] : 5;
    var text = readAll(args[0], "sjis");
    var bytes = readBytes(args[1]);
    var encoding = args[2];

    var start = new Date().getTime(), out = 0;
    for (var i = 0; i < count; i++) out = encode(text, encoding).length;
    var encodeMs = (new Date().getTime() - start) / count;

    start = new Date().getTime();
    var back = 0;
    for (i = 0; i < count; i++) back = decode(bytes, encoding).length;
    var decodeMs = (new Date().getTime() - start) / count;

    // The engine's own cost for an Array of that many numbers, filled and read by the
    // script itself: the floor under any host function that returns or takes one.
    start = new Date().getTime();
    for (i = 0; i < count; i++) {
        var filled = [];
        for (var j = 0; j < out; j++) filled[j] = 65;
    }
    var fillMs = (new Date().getTime() - start) / count;
    start = new Date().getTime();
    for (i = 0; i < count; i++) {
        var sum = 0;
        for (j = 0; j < out; j++) sum += filled[j];
    }
    var readMs = (new Date().getTime() - start) / count;

    print("encode: ", text.length, " characters to ", out, " bytes, ", encodeMs, " ms per call");
    print("decode: ", bytes.length, " bytes to ", back, " characters, ", decodeMs, " ms per call");
    print("fill: ", fillMs, " ms per Array of ", out, " numbers filled by the script");
    print("read: ", readMs, " ms per Array of ", out, " numbers read by the script");
    return 0;
}
