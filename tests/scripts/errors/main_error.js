// A run-time error inside main is reported with the line inside main; main runs
// only once (it is not called again without arguments) and, as it returned no
// value, the exit code stays 0. The message is Wine's JScript engine's text.
print("global code");
var calls = 0;
function main(args) {
    calls++;
    print("main call ", calls, " with ", typeof args);
    undefinedThing.foo();
    return 5;
}
