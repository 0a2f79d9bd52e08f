// churn.js: reads and drops host objects many times, to show that memory stays flat.
// Run as: kova bench/churn.js N
// and compare the peak resident memory of two runs, for example
//   /usr/bin/time -f %M ./kova bench/churn.js 100000
//   /usr/bin/time -f %M ./kova bench/churn.js 1000000
// Every round takes and drops new references to the global object's members, the
// members of Script, the argument array and strings made by the host, and calls
// host functions with arguments of several types. A reference the host forgot to
// release, or a copy it forgot to free, grows with N.

function round(i) {
    var s = Script;
    var f = print;
    var g = Script.sprintf;
    var a = Script.args;
    var v = Script.version;
    var p = Script.pwd;
    var h = Script.getch;
    var text = sprintf("%s %d %5.2f %b", v, i, i / 7, i & 255);
    var same = Script.sprintf("%s", p);
    var copy = g("%d", a.length);   // a function value called on its own
    var names = 0;
    for (var k in Script) names++; // enumeration hands out member names
    return text.length + same.length + copy.length + names + (s === Script) + (f === Script.print) + (h ? 1 : 0);
}

function main(args) {
    var n = args.length > 0 ? parseInt(args[0], 10) : NaN;
    if (!(n > 0)) {
        print("usage: kova bench/churn.js N   (N > 0 rounds)");
        return 1;
    }
    var check = 0;
    for (var i = 0; i < n; i++) check += round(i);
    // The same total for the same N shows that every round did its work.
    print("churn: " + n + " rounds, check " + check);
    return 0;
}
