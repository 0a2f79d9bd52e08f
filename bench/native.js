// native.js: the cost of a DllFunc call against a call of a global host function.
// Run as: kova bench/native.js [count]   (default one million per loop)
//
// The host function is tick(); the native ones are a trivial export of the project's
// test DLL (built next to kova.exe), GetCurrentThreadId of kernel32 (which Wine
// forwards to another DLL, so its look-up by name costs more), and MulDiv with three
// arguments. Each takes no argument but MulDiv and returns a number. "raw" is the
// time per iteration, "net" subtracts the empty loop's time. The clock ticks in
// milliseconds.

var kept = new DllFunc("native_test.dll", "int kept_c()");
var threadId = new DllFunc("kernel32.dll", "uint GetCurrentThreadId() stdcall");
var mulDiv = new DllFunc("kernel32.dll", "int MulDiv(int, int, int) stdcall");

function time(body, count) {
    var start = new Date().getTime();
    body(count);
    return new Date().getTime() - start;
}

function emptyLoop(n) {
    for (var i = 0; i < n; i++) {}
}

function hostCalls(n) {
    for (var i = 0; i < n; i++) tick();
}

function keptCalls(n) {
    for (var i = 0; i < n; i++) kept();
}

function threadIdCalls(n) {
    for (var i = 0; i < n; i++) threadId();
}

function mulDivCalls(n) {
    for (var i = 0; i < n; i++) mulDiv(i, 3, 2);
}

function line(label, ms, loopMs, count) {
    printf("%-36s%9.3f%9.3f\n", label, ms * 1000 / count, (ms - loopMs) * 1000 / count);
    return (ms - loopMs) * 1000 / count;
}

function main(args) {
    var count = args.length > 0 ? parseInt(args[0], 10) : 1000000;
    if (!(count > 0)) {
        print("usage: kova bench/native.js [count]");
        return 1;
    }
    var loop = time(emptyLoop, count);
    var times = [time(hostCalls, count), time(keptCalls, count), time(threadIdCalls, count), time(mulDivCalls, count)];
    print("us per iteration                           raw      net");
    line("empty loop", loop, 0, count);
    var host = line("host call tick()", times[0], loop, count);
    var test = line("DllFunc kept_c() (test DLL)", times[1], loop, count);
    var kernel = line("DllFunc GetCurrentThreadId()", times[2], loop, count);
    line("DllFunc MulDiv(i, 3, 2)", times[3], loop, count);
    printf("ratio DllFunc call / host call (net) %6.2f (test DLL) %6.2f (kernel32)\n",
           host > 0 ? test / host : 0, host > 0 ? kernel / host : 0);
    return 0;
}
