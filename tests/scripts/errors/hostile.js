// Hostile arguments that once crashed, hung or killed the host: each now ends with a
// clear result. Statuses print as hex; a caught error prints nothing on stderr.
function status(f) {
    try {
        var r = f();
        return "ok " + r;
    } catch (e) {
        return "0x" + (e.number >>> 0).toString(16);
    }
}
function repeat(n) { return new Array(n + 1).join("a"); }
function huge(values) { values.length = 268435457; return values; }

var blob = new BinaryBlob(4);
var frame = new Frame(200, 100);
var edit = frame.editbox("", [0, 0, 32767, 20]);
var cases = [
    // A length no array holds: refused before any element is read, except that a
    // blob reads only what fits.
    ["blob.set(huge)", function () { blob.set(huge([1, 2, 3, 4, 5])); return blob.get().join(","); }],
    ["decode(huge)", function () { return decode(huge([65]), "utf8"); }],
    ["file.write(huge)", function () { return new File("nul", "wb").write(huge([1])); }],
    // Coordinates beyond what windows take.
    ["editbox 100000 wide", function () { return frame.editbox("", [0, 0, 100000, 20]); }],
    ["editbox at -40000", function () { return frame.editbox("", [-40000, 0, 10, 20]); }],
    ["Frame 100000 wide", function () { return new Frame(100000, 20); }],
    ["edit 32767 wide, 10000 characters", function () {
        frame.open();
        edit.data = repeat(10000);
        var n = edit.data.length;
        frame.close();
        return n;
    }],
    // Lines longer than the shell, cmd.exe or CreateProcess take.
    ["startfile(1000)", function () { return startfile(repeat(1000)); }],
    ["system(8200)", function () { return system(repeat(8200)); }],
    ["process(33000)", function () { return process(repeat(33000)); }],
    // An error in a call the host makes for the script is the script's to catch.
    ["Script.args(0)", function () { return Script.args(0); }]
];
for (var i = 0; i < cases.length; ++i) print(cases[i][0] + ": " + status(cases[i][1]));
// Left uncaught, it is reported once.
Script.args(0);
