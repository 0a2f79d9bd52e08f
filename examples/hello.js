// hello.js: a first KOVA script. Run it as: kova hello.js [your name]
//
// The host runs the file's global code, then calls main with the words that
// follow the script on the command line; main's number becomes the exit code.

function main(args) {
    var who = args.length > 0 ? args.join(" ") : "world";
    print("Hello, ", who, "!");
    print(Script.version, " running in ", Script.pwd);

    // printf and sprintf format like C, plus %b for binary.
    printf("%-10s|%8.3f|%5d|%#x|%08b\n", "columns", Math.PI, 42, 255, 10);
    var table = [["apples", 3, 0.5], ["pears", 12, 0.75], ["plums", 40, 0.2]];
    for (var i = 0; i < table.length; i++) {
        var row = table[i];
        print(sprintf("%-8s %3d x %5.2f = %6.2f", row[0], row[1], row[2], row[1] * row[2]));
    }
    return 0;
}
