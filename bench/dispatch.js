// dispatch.js: the cost of crossing from JScript into the host, in one run.
// Run as: kova bench/dispatch.js [count]   (default one million per loop)
//
// Each loop runs count times between two readings of the clock. "raw" is the time
// per iteration; "net" subtracts the empty loop's time, leaving the cost of the
// operation itself. The clock ticks in milliseconds: counts below 100,000 give
// coarse figures.

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

function line(label, ms, loopMs, count) {
    printf("%-28s%9.3f%9.3f\n", label, ms * 1000 / count, (ms - loopMs) * 1000 / count);
    return (ms - loopMs) * 1000 / count;
}

function main(args) {
    var count = args.length > 0 ? parseInt(args[0], 10) : 1000000;
    if (!(count > 0)) {
        print("usage: kova bench/dispatch.js [count]");
        return 1;
    }
    var loop = time(emptyLoop, count);
    var times = [time(jsCalls, count), time(hostCalls, count), time(hostMemberCalls, count), time(hostReads, count)];
    print("us per iteration                   raw      net");
    line("empty loop", loop, 0, count);
    var js = line("empty JScript call", times[0], loop, count);
    var host = line("host call sprintf(\"\")", times[1], loop, count);
    line("host call Script.sprintf(\"\")", times[2], loop, count);
    line("host read Script.version", times[3], loop, count);
    printf("ratio host call / JS call (net) %6.2f\n", js > 0 ? host / js : 0);
    return 0;
}
