// examples/paint.js in its demo mode draws a red star in a blue ring by sending its
// window mouse and menu messages, then saves the canvas as BMP and TGA through the File
// menu: both files hold the figure, on white paper.
exec("../../examples/paint.js");
var paintMain = main;

main = function (args) {
    var code = paintMain(["--demo", args[0]]);
    var spots = [[200, 50, "star's top", 0xdc0000], [259, 231, "star's lower right", 0xdc0000],
                 [320, 150, "ring", 0x0000dc], [200, 150, "centre", 0xffffff], [5, 5, "corner", 0xffffff]];
    var names = ["paint.bmp", "paint.tga"];
    for (var n = 0; n < names.length; n++) {
        var img = Image.load(args[0] + "\\" + names[n]);
        if (!img) { print(names[n], " did not load"); continue; }
        var wrong = [];
        for (var i = 0; i < spots.length; i++) {
            var c = img.point(spots[i][0], spots[i][1]) & 0xffffff;
            if (c != spots[i][3]) wrong.push(spots[i][2] + sprintf(" is %06x", c));
        }
        print(names[n], " ", img.width, " x ", img.height, wrong.length ? ": " + wrong.join(", ") : ": figure in place");
    }
    return code;
};
