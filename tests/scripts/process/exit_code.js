// exit ends the run at once with the truncated code: main does not run, and text
// written before it, with or without a line end, still reaches the output.
print("before exit");
printf("no line end");
exit(-3.9 + 6.5);  // 2.6 truncates to 2
print("not reached");
function main() { print("main must not run"); return 9; }
