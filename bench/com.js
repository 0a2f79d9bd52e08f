// com.js: what COM events, collections and connections cost, against the project's
// test server (bench/com.sh registers it first).
// Run as: kova bench/com.js [count]   (default 100,000)

exec("bench/timing.inc");

var server = COM.create("KovaTest.Server");
function s_Tick(index, text, value) {}

function calls(n) {
    for (var i = 0; i < n; i++) server.Add(i, 1);
}
function events(n) {
    server.Fire(n);  // Started, n Ticks, Done
}
function enumerated(n) {
    COM.enumAll(server.MakeItems(n, 0));
}
function enumerator(n) {
    for (var e = new Enumerator(server.MakeItems(n, 0)); !e.atEnd(); e.moveNext()) e.item();
}
function connections(n) {
    for (var i = 0; i < n; i++) {
        var s = COM.create("KovaTest.Server", "s_");
        COM.detach(s);
    }
}

function main(args) {
    var count = loopCount(args, "com.js");
    if (!count) return 1;
    var loop = time(emptyLoop, count);
    print("us per iteration                   raw      net");
    line("empty loop", loop, 0, count, 28);
    var call = line("method call server.Add(i, 1)", time(calls, count), loop, count, 28);
    COM.attach(server, "s_");
    var event = line("event Tick to a JScript handler", time(events, count), 0, count, 28);
    COM.detach(server);
    line("item through COM.enumAll", time(enumerated, count), 0, count, 28);
    line("item through new Enumerator", time(enumerator, count), 0, count, 28);
    var few = Math.max(1, Math.floor(count / 10));
    line("create with prefix + detach", time(connections, few), 0, few, 28);
    printf("ratio event / method call (net) %6.2f\n", call > 0 ? event / call : 0);
    return 0;
}
