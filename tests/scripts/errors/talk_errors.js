// Errors in talk mode. Code typed at the prompt has no file: its errors read
// "error [line]: message", with "-> source" when the engine gives the source
// line (Wine's engine does so for syntax errors only). A function of the script
// file called from the prompt reports the file's name and line. The loop goes on.
function bad() {
    return missing + 1;
}
