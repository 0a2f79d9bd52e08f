// A run-time error in global code ends the run: later global code and main do
// not run and the exit code stays 0. Wine's engine supplies no source line for
// run-time errors, so the report has only file, line and message (its text).
print("start");
var a = 1;
var b = noSuchName + a;
print("not reached");
function main() { print("main must not run"); return 4; }
