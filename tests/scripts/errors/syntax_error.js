// A compile error stops the whole file: no global code runs and main is not
// called. The report names the file and line and echoes the source line.
// The message text is Wine's JScript engine's.
print("global code must not run");
function main() { print("main must not run"); return 4; }
var broken = (1 +;
print("after");
