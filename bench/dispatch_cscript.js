// dispatch_cscript.js: the loops of dispatch.js against the platform's own console
// host, for comparison. Run from the repository root as:
//   WINEPREFIX=$PWD/build/wine WINEDEBUG=-all /usr/lib/wine/wine64 cscript.exe //nologo bench/dispatch_cscript.js [count]
//
// This host has no global functions, and most of its cheap methods are missing
// under Wine (WScript.Sleep answers E_NOTIMPL); the host call is therefore
// Count() of the arguments object, held in a variable so that one call is one
// dispatch. The host read is WScript.Name.

function time(body, count) {
    var start = new Date().getTime();
    body(count);
    return new Date().getTime() - start;
}

function emptyLoop(n) {
    for (var i = 0; i < n; i++) {}
}

function nothing() {}

function jsCalls(n) {
    for (var i = 0; i < n; i++) nothing();
}

function hostCalls(n) {
    var a = WScript.Arguments;
    for (var i = 0; i < n; i++) a.Count();
}

function hostMemberCalls(n) {
    for (var i = 0; i < n; i++) WScript.Arguments.Count();
}

function hostReads(n) {
    var v;
    for (var i = 0; i < n; i++) v = WScript.Name;
}

function pad(text, width) {
    while (text.length < width) text = " " + text;
    return text;
}

function line(label, ms, loopMs, count) {
    var raw = ms * 1000 / count;
    var net = (ms - loopMs) * 1000 / count;
    WScript.Echo(label + pad(raw.toFixed(3), 9) + pad(net.toFixed(3), 9));
    return net;
}

var count = WScript.Arguments.length > 0 ? parseInt(WScript.Arguments(0), 10) : 1000000;
if (!(count > 0)) {
    WScript.Echo("usage: cscript //nologo bench/dispatch_cscript.js [count]");
    WScript.Quit(1);
}
var loop = time(emptyLoop, count);
var times = [time(jsCalls, count), time(hostCalls, count), time(hostMemberCalls, count), time(hostReads, count)];
WScript.Echo("us per iteration                   raw      net");
line("empty loop                  ", loop, 0, count);
var js = line("empty JScript call          ", times[0], loop, count);
var host = line("host call a.Count()         ", times[1], loop, count);
line("host call Args.Count()      ", times[2], loop, count);
line("host read WScript.Name      ", times[3], loop, count);
WScript.Echo("ratio host call / JS call (net) " + pad((host / js).toFixed(2), 6));
