// images.js: drawing pixels, composing pictures with transparency, and saving them
// as TGA and BMP files that any image viewer opens.
// Run it as: kova images.js [folder]   (the files go to the current folder by default)

function main(args) {
    var folder = args.length > 0 ? args[0] + "\\" : "";

    // A gradient, pixel by pixel: red grows to the right, blue downwards. Colours are
    // numbers 0xAARRGGBB; rgb() makes opaque ones.
    var width = 256, height = 128;
    var background = new Image(width, height);
    for (var y = 0; y < height; y++) {
        for (var x = 0; x < width; x++) background.pset(x, y, rgb(x, 64, y * 2));
    }

    // A picture with per-pixel transparency starts fully transparent. This one gets a
    // half-transparent white square with an opaque gold frame; colours can also be
    // names or "#AARRGGBB" texts.
    var badge = new Image(64, 64, true);
    badge.color("gold");
    for (y = 8; y < 56; y++) {
        for (x = 8; x < 56; x++) {
            var edge = x == 8 || x == 55 || y == 8 || y == 55;
            if (edge) badge.pset(x, y);
            else badge.pset(x, y, "#80ffffff");
        }
    }

    // Drawing blends the badge over the gradient, twice.
    background.draw(badge, 32, 32);
    background.draw(badge, 160, 40);
    var c = background.point(64, 64);
    printf("pixel (64, 64) after drawing: r %d, g %d, b %d\n", (c >> 16) & 255, (c >> 8) & 255, c & 255);

    // The extension chooses the format: TGA keeps the badge's alpha, BMP has none.
    var files = [[background, "gradient.tga"], [background, "gradient.bmp"], [badge, "badge.tga"]];
    for (var i = 0; i < files.length; i++) {
        var name = folder + files[i][1];
        print(files[i][0].save(name) ? "saved " : "could not save ", name);
    }

    // Reading a file back gives a new Image, or undefined when it cannot be read.
    var again = Image.load(folder + "badge.tga");
    print(again ? "badge.tga is " + again.width + " x " + again.height : "badge.tga did not load");
}
