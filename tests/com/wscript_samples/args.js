// Option parsing as command-line tools written for the stock host do it.
var options = { verbose: false, out: "", files: [] };
var a = WScript.Arguments;
if (a.length == 0) {
    WScript.Echo("usage: " + WScript.ScriptName + " [-v] [/out:FILE] FILE...");
    WScript.Quit(2);
}
for (var i = 0; i < a.Count(); i++) {
    var arg = a.Item(i);
    if (arg == "-v") options.verbose = true;
    else if (arg.toLowerCase().indexOf("/out:") == 0) options.out = arg.substr(5);
    else options.files.push(arg);
}
WScript.Echo("verbose:", options.verbose, "out:", options.out || "(none)");
for (var j = 0; j < options.files.length; j++) WScript.Echo("file " + (j + 1) + ": [" + options.files[j] + "]");
WScript.Quit(options.files.length);
