// exec runs further files in the same engine (relative paths are taken from the
// current directory). Errors there are reported with that file's name and line,
// exec answers false and the calling script goes on. An empty or missing name is
// false, with nothing reported.
print(exec("process/data/included.txt"), " ", fromIncluded, " ", includedFunction());
print(exec("process/data/faulty.jsx"), " ", beforeFault, " ", typeof afterFault);
print(exec("process/data/syntax.jsx"));
print(exec(""), " ", exec("process/data/missing.txt"), " ", exec("process/data"));
try { exec(); } catch (e) { print((e.number >>> 0).toString(16)); }
function main() { print("main runs"); return 0; }
