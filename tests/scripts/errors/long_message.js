// An error message longer than the report's 2047 characters is cut there: the
// report is complete up to that point and the host goes on to shut down normally.
function main() {
    print("main");
    throw new Error(new Array(3001).join("x"));
}
