// gets.js: reads a file line by line with File.gets and prints the time it took.
// Run as: kova bench/gets.js FILE ENCODING
function main(args) {
    if (args.length < 2) {
        print("usage: kova bench/gets.js FILE ENCODING");
        return 2;
    }
    var f = File.open(args[0], "rb", args[1]);
    if (!f) {
        print("gets.js: cannot open ", args[0]);
        return 1;
    }
    var start = new Date().getTime();
    var lines = 0, characters = 0;
    for (;;) {
        var line = f.gets();
        if (line == "") break;
        characters += line.length;
        lines++;
    }
    var ms = new Date().getTime() - start;
    f.close();
    print(lines, " lines, ", characters, " characters, ", ms, " ms");
    return 0;
}
