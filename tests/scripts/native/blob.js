// BinaryBlob: sizes, reads of every width (partial elements left out), the range
// rule of set (all or nothing), values past the end ignored, and the refusals.
exec("file/common.inc");

function main() {
    var empty = new BinaryBlob(0);
    print("size 0: ", empty.size, " [", empty.get().join(","), "]; refused: ", typeof new BinaryBlob(-1), " ",
          status(function () { BinaryBlob.New(-1); }), " ", status(function () { BinaryBlob.New(); }), " ",
          status(function () { BinaryBlob.New(1, 2); }));

    var b = new BinaryBlob(4);
    var steps = [
        [[1, 2, 3, 4]], [[256]], [[7, -129]], [[7, "8"]], [[-1]], [[-1], "ushort"], [[1, 2, 3, 4, 5, 6]],
        [[1.5, 2.5], "float"], [[65535, -32768], "int16"], [[4294967295], "UINT32"], [[0.5], "double"], [[], "byte"]];
    for (var i = 0; i < steps.length; i++) {
        var s = steps[i];
        var r = status(function () { s.length == 1 ? b.set(s[0]) : b.set(s[0], s[1]); });
        print("set([", s[0].join(","), "]", s.length == 2 ? ", " + s[1] : "", "): ", r, " => ", hex(b.get()));
    }
    b.set([1, 2, 3, 4]);
    print("get: ", b.get("uint32").join(","), " | ", b.get("short").join(","), " | ", b.get("char").join(","),
          " | ", b.get("double").length);
    var five = new BinaryBlob(5);
    five.set([1, 2, 3, 4, 5]);
    print("5 bytes as int16: ", five.get("int16").join(","), "; as float: ", five.get("float").length);

    print("errors: ", [status(function () { b.get("int64"); }), status(function () { b.get(4); }),
        status(function () { b.get("byte", 1); }), status(function () { b.set(5); }),
        status(function () { b.set([1], "x"); }), status(function () { b.set(); }),
        status(function () { b.size = 8; }), status(function () { b.grow(); })].join(" "), " size ", b.size);
}
