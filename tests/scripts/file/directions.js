// Reading and writing one stream: a stream opened for one direction refuses the
// other without touching its buffer, and a stream opened for both ("+") switches
// between them at the current position.
exec("file/common.inc");
function show(s) { return "[" + s.replace(/\n/g, "\\n") + "]"; }
var dir;
function contents(name) {
    var f = new File(dir + name, "rb");
    var all = "";
    for (var line = f.gets(); line != ""; line = f.gets()) all += line;
    f.close();
    return show(all);
}

function main(args) {
    dir = args[0] + "/";
    var f = new File(dir + "a.txt", "w");
    f.puts("one\ntwo\nthree\n");
    print("w: gets ", show(f.gets()), " read ", f.read(4), " eof ", f.eof, ", puts ", f.puts("four\n"));
    f.close();
    print("w: ", contents("a.txt"));

    f = new File(dir + "a.txt", "r");
    print("r: gets ", show(f.gets()), ", puts ", f.puts("XX"), " print ", f.print("YY"), " write ", f.write([0x5A, 0x5A]),
          ", gets ", show(f.gets()), " ", show(f.gets()));
    f.close();
    print("r: ", contents("a.txt"));

    f = new File(dir + "a.txt", "r+");
    print("r+: gets ", show(f.gets()), ", puts ", f.puts("TWO\n"), ", gets ", show(f.gets()), ", write ", f.write([0x46]));
    f.rewind();
    print("r+: rewound ", show(f.gets()), " ", show(f.gets()), " ", show(f.gets()), " ", show(f.gets()));
    f.close();
    print("r+: ", contents("a.txt"));

    f = new File(dir + "b.bin", "w+b");
    f.write([1, 2, 3, 4], "short");
    f.rewind();
    print("w+b: read ", hex(f.read(2, "short")), ", write ", f.write(9, "short"), ", read ", f.read("short"));
    f.rewind();
    print("w+b: ", hex(f.read(100)));
    f.close();

    f = new File(dir + "c.txt", "a+", "utf16");
    f.puts("x\n");
    f.rewind();
    print("a+ utf16: gets ", show(f.gets()), ", puts ", f.puts("y\n"), ", eof ", f.eof);
    f.rewind();
    print("a+ utf16: ", show(f.gets()), " ", show(f.gets()), " ", show(f.gets()));
    f.close();

    print("stdout.gets ", show(stdout.gets()), " stdout.read ", stdout.read(1), " stdin.puts ", stdin.puts("x"),
          " stdin.write ", stdin.write(65), " stderr.gets ", show(stderr.gets()));
    return 0;
}
