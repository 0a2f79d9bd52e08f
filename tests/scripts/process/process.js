// process returns a waited program's exit code, and 0 at once when not waiting
// (the program runs on); a program that cannot start gives no value. system runs a
// command through the interpreter and returns its result. Exit codes are unsigned.
print(process("cmd /c exit 7", true), " ", process("cmd /c exit -1", true) == 4294967295);
print(process("cmd /c exit 7", 1), " ", process("cmd /c exit 7", 0), " ", process("cmd /c exit 7"));
var t = tick();
print(process("cmd /c ping -n 4 127.0.0.1 >nul"));
print("returned at once: ", tick() - t < 2000);
print(typeof process("no_such_program_kova.exe", true));
print(system("exit 3"), " ", system("cmd /c exit 4"));
print(startfile("no_such_file.kova"));
function errorOf(f) { try { f(); return "none"; } catch (e) { return (e.number >>> 0).toString(16); } }
print(errorOf(function () { process(); }), " ",
      errorOf(function () { process("cmd /c exit 1", true, 1); }), " ",
      errorOf(function () { system("a", "b"); }), " ",
      errorOf(function () { startfile(); }));
