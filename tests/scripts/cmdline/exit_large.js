// Numbers beyond 32 bits keep their low 32 bits: 2^32 + 3 exits with 3.
function main() { return 4294967299; }
