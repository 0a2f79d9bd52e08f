// The standard stream objects: output through stdout and through print/printf keeps
// call order, stderr is its own stream, stdin reads lines in text mode, and close
// only detaches an object: the stream itself stays open for everything else.
print("1 print");
stdout.puts("2 stdout.puts\n");
printf("3 %s\n", "printf");
stdout.print("4 ", "stdout.print");
stdout.printf("%d stdout.printf\n", 5);
Script.stdout.puts("6 Script.stdout\n");
stderr.puts("to stderr\n");
stderr.print("err ", 2);
print("puts counts bytes: ", stdout.puts("abc"), " eof ", stdout.eof, " isinst ", File.isinst(stdout));
print("write: ", stdout.write([65, 66, 10]));

var n = 0;
for (var line = stdin.gets(); line != ""; line = stdin.gets()) {
    n++;
    print("in: [", line.replace("\n", "\\n"), "]");
}
print("lines ", n, " eof ", stdin.eof, " then [", stdin.gets(), "]");

stdout.close();
stdout.close();
print("print after stdout.close()");
printf("printf after stdout.close()\n");
print("detached: ", typeof stdout.puts("lost"), " eof ", stdout.eof);
stderr.close();
stdin.close();
print("stdin detached: ", typeof stdin.gets());
