// With -t, talk mode follows main in the same context; the exit code is then 0.
var greeting = "hi";
function main(args) { print("main ", args.join("+")); return 9; }
