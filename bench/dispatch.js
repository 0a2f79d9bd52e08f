// dispatch.js: the cost of crossing from JScript into the host, in one run.
// Run as: kova bench/dispatch.js [count]   (default one million per loop)
//
// Each loop runs count times (bench/timing.inc).

exec("bench/timing.inc");

function nothing() {}

function jsCalls(n) {
    for (var i = 0; i < n; i++) nothing();
}

// sprintf with an empty format prints nothing and returns "".
function hostCalls(n) {
    for (var i = 0; i < n; i++) sprintf("");
}

function hostMemberCalls(n) {
    for (var i = 0; i < n; i++) Script.sprintf("");
}

function hostReads(n) {
    var v;
    for (var i = 0; i < n; i++) v = Script.version;
}

function main(args) {
    var count = loopCount(args, "dispatch.js");
    if (!count) return 1;
    var loop = time(emptyLoop, count);
    var times = [time(jsCalls, count), time(hostCalls, count), time(hostMemberCalls, count), time(hostReads, count)];
    print("us per iteration                   raw      net");
    line("empty loop", loop, 0, count, 28);
    var js = line("empty JScript call", times[0], loop, count, 28);
    var host = line("host call sprintf(\"\")", times[1], loop, count, 28);
    line("host call Script.sprintf(\"\")", times[2], loop, count, 28);
    line("host read Script.version", times[3], loop, count, 28);
    printf("ratio host call / JS call (net) %6.2f\n", js > 0 ? host / js : 0);
    return 0;
}
