// dialogs.js: a small form with edit boxes and buttons, and the user dialogs. Ask for
// your name, pick a text file, and count its lines while a progress box shows how far
// it got (its Cancel button stops the counting).
// Run it as: kova dialogs.js

var form, nameBox, fileBox;

function main() {
    // A Dialog is a grey frame without a canvas, made for controls. Each button's
    // name is the prefix of its handler: "ask_" calls ask_onCommand.
    form = new Dialog(330, 120, "KOVA Dialogs");
    nameBox = form.editbox("", [10, 12, 220, 22]);
    form.button("Your name...", [240, 10, 80, 26], "ask_");
    fileBox = form.editbox("", [10, 46, 220, 22]);
    form.button("Browse...", [240, 44, 80, 26], "browse_");
    form.button("Count lines", [10, 84, 110, 26], "count_");
    form.button("Close", [240, 84, 80, 26], "close_");
    // modal() returns when the window closes.
    form.modal();
    return 0;
}

// Dialogs given the form as first argument belong to it: the form waits meanwhile.
function ask_onCommand(e) {
    var name = prompt(form, "What is your name?", nameBox.data, "Your name");
    if (name !== undefined) nameBox.data = name;  // undefined: Cancel was chosen
}

function browse_onCommand(e) {
    var path = openDlg(form, "Pick a text file");
    if (path !== undefined) fileBox.data = path;
}

function count_onCommand(e) {
    var path = fileBox.data;
    if (path == "") {
        alert(form, "Pick a file first.", "Count lines");
        return;
    }
    var file = File.open(path, "r");
    if (!file) {
        alert(form, "Cannot open " + path, "Count lines");
        return;
    }
    var size = new ActiveXObject("Scripting.FileSystemObject").GetFile(path).Size;
    // Without an owner the progress box runs on a thread of its own and stays
    // responsive while the script counts.
    var progress = new Progress();
    progress.open("Counting the lines of " + path, "Counting");
    var lines = 0, read = 0, shown = -1, going = true;
    for (var line = file.gets(); line != "" && going; line = file.gets()) {
        lines++;
        read += line.length;
        var percent = size ? Math.min(100, Math.floor(read * 100 / size)) : 100;
        // step() answers false once Cancel was chosen.
        if (percent != shown) going = progress.step(percent, lines + " lines so far");
        shown = percent;
    }
    file.close();
    going = progress.close() && going;
    var who = nameBox.data != "" ? nameBox.data + ", " : "";
    alert(form, (going ? who + "the file has " : who + "counting stopped after ") + lines + " lines.", "Count lines");
}

function close_onCommand(e) {
    if (confirm(form, "Close the form?", "KOVA Dialogs")) form.close();
}
