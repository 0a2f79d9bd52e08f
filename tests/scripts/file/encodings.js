// Every encoding written by File and read back the same, in text and binary mode,
// with the bytes on disk matching encode() (plus the mark and CR units for UTF-16,
// CR bytes for the others in text mode). Code page 1252 here: EUC-JP and ISO-2022-JP
// assume Shift_JIS narrow text, so they carry only the ASCII lines.
exec("file/common.inc");
var all = ["plain ASCII ~!@#$%^&*()", "caf\u00e9 na\u00efve \u00fc\u00df \u00a9 \u20ac", "", "tab\there"];
var dir;

function main(args) {
    dir = args[0] + "/";
    checkEncodings(function (e) { return e == "euc" || e == "jis" ? [all[0], all[2], all[3]] : all; }, "\u00e9");
    return 0;
}
