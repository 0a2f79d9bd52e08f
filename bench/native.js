// native.js: the cost of a DllFunc call against a call of a global host function.
// Run as: kova bench/native.js [count]   (default one million per loop)
//
// The host function is tick(); the native ones are a trivial export of the project's
// test DLL (built next to kova.exe), GetCurrentThreadId of kernel32 (which Wine
// forwards to another DLL, so its look-up by name costs more), and MulDiv with three
// arguments. Each takes no argument but MulDiv and returns a number. The loops are
// timed as bench/timing.inc says.

exec("bench/timing.inc");

var kept = new DllFunc("native_test.dll", "int kept_c()");
var threadId = new DllFunc("kernel32.dll", "uint GetCurrentThreadId() stdcall");
var mulDiv = new DllFunc("kernel32.dll", "int MulDiv(int, int, int) stdcall");

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

function main(args) {
    var count = loopCount(args, "native.js");
    if (!count) return 1;
    var loop = time(emptyLoop, count);
    var times = [time(hostCalls, count), time(keptCalls, count), time(threadIdCalls, count), time(mulDivCalls, count)];
    print("us per iteration                           raw      net");
    line("empty loop", loop, 0, count, 36);
    var host = line("host call tick()", times[0], loop, count, 36);
    var test = line("DllFunc kept_c() (test DLL)", times[1], loop, count, 36);
    var kernel = line("DllFunc GetCurrentThreadId()", times[2], loop, count, 36);
    line("DllFunc MulDiv(i, 3, 2)", times[3], loop, count, 36);
    printf("ratio DllFunc call / host call (net) %6.2f (test DLL) %6.2f (kernel32)\n",
           host > 0 ? test / host : 0, host > 0 ? kernel / host : 0);
    return 0;
}
