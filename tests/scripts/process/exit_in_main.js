// exit without a code inside main ends with 0, whatever main would have returned;
// a wrong argument count is an error the script can catch and go on.
function main() {
    try { exit(1, 2); } catch (e) { print((e.number >>> 0).toString(16)); }
    print("in main");
    exit();
    return 5;
}
