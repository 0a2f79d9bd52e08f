// files.js: text in several encodings, typed binary values, and scanning.
// Run it as: kova files.js [folder]   (the files go to the folder, default the current one)

function main(args) {
    var folder = args.length > 0 ? args[0] + "\\" : "";

    // Text files: the same lines written in UTF-8 and read back.
    var name = folder + "kova-example.txt";
    var out = new File(name, "w", "utf8");
    out.print("date, item, amount");
    out.printf("%s, %s, %d\n", "2026/12/08", "coffee", 4);
    out.printf("%s, %s, %d\n", "2026/12/09", "tea", 7);
    out.close();

    var total = 0;
    var f = File.open(name, "r", "utf8");
    f.gets();  // the heading
    for (;;) {
        var line = f.gets();
        if (line == "") break;
        // sscanf splits a line by a format: %*[ ] skips the spaces, %[^,] takes
        // everything up to the next comma.
        var fields = sscanf(line, "%d/%d/%d,%*[ ]%[^,],%d");
        if (fields) {
            print(fields[3], " on day ", fields[2], ": ", fields[4]);
            total += fields[4];
        }
    }
    f.close();
    print("total: ", total);

    // The bytes of a text in other encodings.
    print("'cafe' with an acute e in UTF-8: ", encode("caf\u00e9", "utf8").join(" "));
    print("utf16 of 'AB': ", encode("AB", "utf16").join(" "));

    // Binary files: typed little-endian values.
    var bin = folder + "kova-example.bin";
    var w = new File(bin, "wb");
    w.write([1, 2, 3], "ushort");
    w.write(Math.PI, "double");
    w.close();
    var r = new File(bin, "rb");
    print("ushorts: ", r.read(3, "ushort").join(", "), "; double: ", r.read("double"));
    r.close();

    // Standard streams are File objects too.
    stdout.puts("written through stdout\n");
    return 0;
}
