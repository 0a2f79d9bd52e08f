// Japanese words on the command line reach main as the same characters, and are
// written back in Shift_JIS.
function main(args) {
    var s = args[0], codes = [];
    for (var i = 0; i < s.length; i++) codes.push(s.charCodeAt(i).toString(16));
    print(s.length, " ", codes.join(" "));
    print(s, "|", sprintf("%-8s|", s));
}
