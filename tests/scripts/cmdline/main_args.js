// main receives the script options as an Array; words after the script are never options.
function main(args) {
    print(args.length, ":", args.join(","));
    print(typeof Script.args, " ", Script.args.length);
    return 3.9;
}
