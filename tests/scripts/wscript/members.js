// Every member of WScript and its collections under JScript, one row each: the value,
// or the engine's error for a wrong count, type, index or name. WSH is the same object.
function hex(n) { return (n >>> 0).toString(16).toUpperCase(); }
function row(name, f) {
    var text;
    try { text = String(f()); } catch (e) { text = "error " + hex(e.number) + " " + e.message; }
    print(name, ": ", text);
}
var args = WScript.Arguments, named = args.Named, unnamed = args.Unnamed;
function list(collection) {
    var items = [];
    for (var e = new Enumerator(collection); !e.atEnd(); e.moveNext()) items.push(e.item());
    return items.join("|");
}
var rows = [
    ["WSH is WScript", function () { return WSH === WScript && WScript.Application === WScript; }],
    ["Name", function () { return WScript.Name + " / " + WScript; }],
    ["Version", function () { return typeof WScript.Version + " " + WScript.Version; }],
    ["BuildVersion", function () { return typeof WScript.BuildVersion; }],
    ["FullName", function () { return /\\kova\.exe$/i.test(WScript.FullName) && WScript.FullName.indexOf(WScript.Path + "\\") == 0; }],
    ["ScriptName", function () { return WScript.ScriptName; }],
    ["ScriptFullName", function () { return /^[A-Z]:\\.*\\wscript\\members\.js$/.test(WScript.ScriptFullName); }],
    ["Interactive", function () { var was = WScript.Interactive; WScript.Interactive = 0; return was + " " + WScript.Interactive; }],
    ["Timeout", function () { var was = WScript.Timeout; WScript.Timeout = 600; var now = WScript.Timeout; WScript.Timeout = 0; return was + " " + now; }],
    ["Timeout = -1", function () { WScript.Timeout = -1; }],
    ["Timeout = 'x'", function () { WScript.Timeout = "x"; }],
    ["Name = 1", function () { WScript.Name = 1; }],
    ["Sleep(10)", function () { return WScript.Sleep(10); }],
    ["Sleep()", function () { WScript.Sleep(); }],
    ["Sleep('x')", function () { WScript.Sleep("x"); }],
    ["Quit('x')", function () { WScript.Quit("x"); }],
    ["Quit(1, 2)", function () { WScript.Quit(1, 2); }],
    ["unknown member", function () { WScript.NoSuch(); }],
    ["Arguments", function () { return args.length + " " + args.Count() + " " + args.Count + " [" + list(args) + "]"; }],
    ["Arguments(i)", function () { return args(0) + " " + args.Item(3) + " " + WScript.Arguments(1); }],
    ["Arguments(4)", function () { return args(4); }],
    ["Arguments(-1)", function () { return args.Item(-1); }],
    ["Arguments('x')", function () { return args("x"); }],
    ["Arguments()", function () { return args.Item(); }],
    ["Named", function () { return named.length + " " + named.Count() + " [" + list(named) + "]"; }],
    ["Named.Item", function () { return named("name") + " " + named.Item("NAME") + " " + typeof named("flag") + " " + typeof named("none"); }],
    ["Named.Exists", function () { return named.Exists("FLAG") + " " + named.Exists("none") + " " + args.Named("Name"); }],
    ["Unnamed", function () { return unnamed.length + " " + unnamed.Count() + " [" + list(unnamed) + "] " + unnamed(1); }],
    ["Unnamed(2)", function () { return unnamed(2); }],
    ["Arguments.Exists", function () { return args.Exists("flag"); }],
    ["ShowUsage", function () { return args.ShowUsage(); }],
    ["StdIn.AtEndOfStream", function () { return WScript.StdIn.AtEndOfStream; }],
    ["StdIn.ReadLine", function () { return WScript.StdIn.ReadLine(); }],
    ["StdIn.Write", function () { WScript.StdIn.Write("x"); }],
    ["StdOut.ReadLine", function () { return WScript.StdOut.ReadLine(); }],
    ["StdErr.AtEndOfStream", function () { return WScript.StdErr.AtEndOfStream; }],
    ["StdOut.Write()", function () { WScript.StdOut.Write(); }],
    ["StdOut.WriteBlankLines(-1)", function () { WScript.StdOut.WriteBlankLines(-1); }],
    ["StdOut.Line", function () { var o = WScript.StdOut; o.Write("ab"); var c = o.Column; o.WriteLine(); return o.Line + " " + c + " " + o.Column; }],
    ["CreateObject", function () { var d = WScript.CreateObject("Scripting.Dictionary"); d.Add("k", 1); return d.Count; }],
    ["CreateObject(bad)", function () { return WScript.CreateObject("No.Such.Class"); }],
    ["CreateObject()", function () { return WScript.CreateObject(); }],
    ["GetObject(bad)", function () { return WScript.GetObject("Z:\\no\\such\\file.xyz"); }],
    ["ConnectObject(1, 'p')", function () { WScript.ConnectObject(1, "p"); }],
    ["DisconnectObject('x')", function () { WScript.DisconnectObject("x"); }],
    ["Echo()", function () { return WScript.Echo(); }],
    ["Echo(...)", function () { WScript.Echo(true, false, 0.1 + 0.2, 1e21, null, undefined, "s", [1, 2], -2.5); }]
];
for (var i = 0; i < rows.length; i++) row(rows[i][0], rows[i][1]);
