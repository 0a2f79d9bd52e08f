// 10,000 cycles of creating a server with events, attaching it again, firing and
// detaching leave no object of the server alive and the process's memory where it
// was: a sink, a connection or a reference kept per cycle would show in one or the
// other. Memory is compared between two halves of the cycles, after a warm-up: a
// leak grows in both.
var kernel32 = "kernel32.dll";
var GetCurrentProcess = new DllFunc(kernel32, "handle GetCurrentProcess() stdcall");
var GetProcessMemoryInfo = new DllFunc(kernel32, "int K32GetProcessMemoryInfo(handle, binary, uint) stdcall");

// The process's committed private bytes: PROCESS_MEMORY_COUNTERS holds two 32-bit
// counts, then 64-bit sizes, the pagefile usage seventh of them.
function privateBytes() {
    var counters = new BinaryBlob(72);
    counters.set([72], "uint32");
    GetProcessMemoryInfo(GetCurrentProcess(), counters, 72);
    var words = counters.get("uint32");
    return words[14] + words[15] * 4294967296;
}

function Tick() {}
function cycles(count) {
    for (var i = 0; i < count; i++) {
        var server = COM.create("KovaTest.Server", "first_");
        COM.attach(server, "");
        server.Fire(1);
        COM.detach(server);
        server = null;
        if (i % 500 == 499) CollectGarbage();
    }
    CollectGarbage();
}

function main(args) {
    var LiveObjects = new DllFunc(args[0], "int LiveObjects() stdcall");
    cycles(1000);
    var start = privateBytes();
    cycles(4500);
    var middle = privateBytes();
    cycles(4500);
    var end = privateBytes();
    var growth = Math.min(middle - start, end - middle);
    print("live objects after 10000 cycles: ", LiveObjects());
    print("memory: ", growth < 256 * 1024 ? "flat" : "grew by " + growth + " bytes in each half");
}
