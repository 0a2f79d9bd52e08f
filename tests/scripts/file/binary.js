// Binary values: every type written and read back little-endian, the range rule of
// arrays (all or nothing), single values written without range check, short reads
// at the end of the file, and the errors of unknown types and wrong arguments.
exec("file/common.inc");
var path;
function bytes() {
    var f = new File(path, "rb");
    var a = f.read(1000);
    f.close();
    return hex(a);
}
function fresh() { return new File(path, "w+b"); }

function main(args) {
    path = args[0] + "/data.bin";
    var f = fresh();
    print("write([1, 2, 300]): ", status(function () { f.write([1, 2, 300]); }));
    print("write(300): ", f.write(300));
    f.close();
    print("bytes: ", bytes());

    f = fresh();
    print("write([-1], ushort): ", f.write([-1], "ushort"), " ", f.write([-1], "UShort"));
    f.rewind();
    print("read(1, short): ", f.read(1, "short").join(","));
    print("read(ushort): ", f.read("ushort"), " then ", f.read("ushort"), " eof ", f.eof);
    f.close();

    // each type: the ends of its range round trip; one step beyond refuses the array
    var types = [
        ["char", -128, 127, -129, 256], ["sbyte", -128, 255, -129, 256],
        ["short", -32768, 32767, -32769, 65536], ["int16", -1, 65535, -32769, 65536],
        ["long", -2147483648, 2147483647, -2147483649, 4294967296], ["int", 0, 1, -2147483649, 4294967296],
        ["int32", -5, 5, -2147483649, 4294967296],
        ["uchar", 0, 255, -129, 256], ["byte", -128, 255, -129, 256],
        ["ushort", 0, 65535, -32769, 65536], ["uint16", -32768, 0, -32769, 65536],
        ["ulong", 0, 4294967295, -2147483649, 4294967296], ["uint", -2147483648, 1, -2147483649, 4294967296],
        ["uint32", 7, 4294967295, -2147483649, 4294967296]];
    for (var i = 0; i < types.length; i++) {
        var t = types[i];
        f = fresh();
        var n = f.write([t[1], t[2]], t[0]);
        var low = status(function () { f.write([0, t[3]], t[0]); });
        var high = status(function () { f.write([t[4], 0], t[0]); });
        var nan = status(function () { f.write([NaN], t[0]); });
        f.rewind();
        print(t[0], ": ", n, " [", f.read(2, t[0]).join(","), "] ", low, " ", high, " NaN ", nan, " | ", bytes());
        f.close();
    }
    f = fresh();
    print("float: ", f.write([0.1, -2.5, 1e300, NaN], "float"), " double: ", f.write([0.1, -1e300, 1 / 0], "double"));
    f.rewind();
    var r = f.read(4, "float");
    print("floats: ", r[0] == 0.1, " ", Math.abs(r[0] - 0.1) < 1e-8, " ", r[1], " ", r[2], " ", isNaN(r[3]));
    print("doubles: ", f.read(3, "double").join(","), " eof ", f.eof);
    f.close();
    f = fresh();
    f.write(1, "float");
    f.write(-2, "double");
    f.close();
    print("float 1, double -2: ", bytes());

    // single values: truncated toward zero, low bytes kept, no range check
    f = fresh();
    print("singles: ", f.write(-1.9), " ", f.write(65537, "ushort"), " ", f.write(4294967297.5, "int32"), " ", f.write(true), " ", f.write(NaN, "short"));
    f.close();
    print("bytes: ", bytes());

    // reads that run into the end of the file
    f = fresh();
    f.write([1, 2, 3]);
    f.rewind();
    print("read(10) of 3: ", hex(f.read(10)), " eof ", f.eof);
    f.rewind();
    print("read(2147483647) of 3: ", hex(f.read(2147483647)));
    f.rewind();
    print("read(4294967298), the low 32 bits: ", hex(f.read(4294967298)));
    f.rewind();
    print("read(2, short) of 3: ", f.read(2, "short").join(","), " then read(short): ", f.read("short"));
    f.rewind();
    print("read(int32) of 3: ", f.read("int32"), " read(0): ", f.read(0), " read(-5): ", f.read(-5));
    f.close();

    // errors
    f = fresh();
    print("read(): ", status(function () { f.read(); }));
    print("read(1, byte, 2): ", status(function () { f.read(1, "byte", 2); }));
    print("read(nosuch): ", status(function () { f.read("nosuch"); }));
    print("read(1, 4): ", status(function () { f.read(1, 4); }));
    print("read(1, nosuch): ", status(function () { f.read(1, "nosuch"); }));
    print("write(): ", status(function () { f.write(); }));
    print("write(1, byte, 2): ", status(function () { f.write(1, "byte", 2); }));
    print("write(1, int64): ", status(function () { f.write(1, "int64"); }));
    print("write(abc): ", status(function () { f.write("abc"); }));
    print("write({}): ", status(function () { f.write({}); }));
    print("write([1, '2']): ", status(function () { f.write([1, "2"]); }));
    print("write([1, null]): ", status(function () { f.write([1, null]); }));
    print("write([]): ", f.write([]));
    print("write([true, 2.9], short): ", f.write([true, 2.9], "short"));
    print("array-like: ", f.write({length: 2, 0: 5, 1: 6}));
    f.close();
    print("bytes: ", bytes());
    return 0;
}
