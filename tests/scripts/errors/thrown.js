// Errors thrown by the script itself: the report carries the Error's message.
function fail(text) {
    throw new Error(text);
}
function main() {
    print("main");
    fail("custom message");
}
