// Opening: new File and File.open with their defaults and refusals, the class
// object's own members, and what every member does once the stream is gone.
exec("file/common.inc");

function main(args) {
    var dir = args[0] + "/";
    var missing = dir + "missing.txt";
    print("File.open missing: ", typeof File.open(missing), " ", status(function () { File.open(missing); }));
    print("new File missing: ", typeof new File(missing), " ", status(function () { new File(missing); }));
    print("File.New missing: ", status(function () { File.New(missing); }));
    print("new File(): ", typeof new File(), " File.New(): ", status(function () { File.New(); }));
    print("new File(4 args): ", typeof new File(dir + "a.txt", "w", "sjis", 1));
    print("new File unknown encoding: ", typeof new File(dir + "a.txt", "w", "latin"));
    print("File.open unknown encoding: ", status(function () { File.open(dir + "x.txt", "w", "latin"); }));
    print("File.open(): ", status(function () { File.open(); }));
    print("File.open(4 args): ", status(function () { File.open(dir + "x.txt", "w", "sjis", 1); }));
    print("File.open bad modes: ", typeof File.open(dir + "x.txt", ""), " ", typeof File.open(dir + "x.txt", "q"));
    print("nothing was created: ", typeof File.open(dir + "x.txt"), " ", typeof File.open(dir + "a.txt"));
    print("empty name: ", typeof File.open(""), " ", typeof File.open("", "w"));

    // the defaults: mode "r", encoding "sjis"; encoding names ignore case
    var w = File.open(dir + "a.txt", "w", "UTF8");
    print("open: ", typeof w, " ", File.isinst(w), " ", File.isinst({}), " ", w.eof);
    w.puts("one\n");
    w.close();
    var f = File.open(dir + "a.txt");
    print("default mode reads: [", f.gets(), "] puts on a read stream: ", f.puts("x"));
    f.close();
    f = new File(dir + "a.txt", "a", "Sjis");
    f.print("two");
    f.close();
    f = new File(dir + "a.txt");
    print("appended: ", f.gets(), f.gets(), f.gets() === "", " ", f.eof);
    print("eof is read only: ", status(function () { f.eof = false; }), " ", f.eof);
    print("unknown member: ", status(function () { f.seek(0); }));

    // argument counts are checked first, also without a stream
    f.close();
    f.close();
    print("after close: gets ", typeof f.gets(), " eof ", f.eof, " read ", typeof f.read(4), " write ",
          typeof f.write(1), " puts ", typeof f.puts("x"), " print ", typeof f.print("x"));
    var calls = [
        ["gets(1)", function () { f.gets(1); }], ["puts()", function () { f.puts(); }],
        ["puts(5)", function () { f.puts(5); }], ["read()", function () { f.read(); }],
        ["read(1, 'nosuch')", function () { f.read(1, "nosuch"); }], ["write(1, 2, 3)", function () { f.write(1, 2, 3); }],
        ["write('x')", function () { f.write("x"); }], ["rewind(0)", function () { f.rewind(0); }],
        ["close(0)", function () { f.close(0); }], ["printf()", function () { f.printf(); }]];
    var line = [];
    for (var i = 0; i < calls.length; i++) line.push(calls[i][0] + " " + status(calls[i][1]));
    print(line.join(", "));

    // the same with a stream
    f = new File(dir + "a.txt", "r+");
    line = [];
    for (var i = 0; i < calls.length - 2; i++) line.push(calls[i][0] + " " + status(calls[i][1]));
    print(line.join(", "));
    f.close();
    return 0;
}
