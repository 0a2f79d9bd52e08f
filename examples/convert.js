// convert.js: converts every picture in a folder to another format, a batch converter.
// Run it as: kova convert.js FOLDER FORMAT [OUTPUT-FOLDER]
//   FORMAT is png, jpg, bmp or tga; the converted files go to FOLDER itself unless an
//   output folder is given. Files that are already in FORMAT are left alone.
// Pictures load whatever their format (TGA, BMP, PNG, JPEG, or another format that an
// installed image plug-in reads); the new file's extension picks how it is saved. The
// folder is listed by the command interpreter, and Scripting.FileSystemObject builds
// the paths.

var formats = { png: true, jpg: true, jpeg: true, bmp: true, tga: true };

// The names of a folder's files in name order, as the command interpreter lists them.
function listFiles(fso, folder) {
    var list = fso.BuildPath(fso.GetSpecialFolder(2).Path, fso.GetTempName());
    system('dir /b /a-d "' + folder + '" > "' + list + '"');
    var names = [], file = File.open(list, "r");
    if (file) {
        for (var line; (line = file.gets()) != "";) {
            line = line.replace(/[\r\n]+$/, "");
            if (line != "") names.push(line);
        }
        file.close();
        fso.DeleteFile(list);
    }
    return names.sort(function (a, b) { return a.toLowerCase() < b.toLowerCase() ? -1 : 1; });
}

function main(args) {
    if (args.length < 2 || !formats[args[1].toLowerCase()]) {
        print("usage: kova convert.js FOLDER FORMAT [OUTPUT-FOLDER]   (FORMAT: png, jpg, bmp or tga)");
        return 2;
    }
    var fso = new ActiveXObject("Scripting.FileSystemObject");
    var folder = args[0], format = args[1].toLowerCase();
    var output = args.length > 2 ? args[2] : folder;
    if (!fso.FolderExists(folder) || !fso.FolderExists(output)) {
        print("no such folder: ", fso.FolderExists(folder) ? output : folder);
        return 1;
    }

    var names = listFiles(fso, folder);
    var converted = 0, failed = 0;
    for (var i = 0; i < names.length; i++) {
        var name = names[i], extension = fso.GetExtensionName(name).toLowerCase();
        if (extension == format || (format == "jpg" && extension == "jpeg")) continue;
        var picture = Image.load(fso.BuildPath(folder, name));
        if (!picture) {
            printf("%-20s not a picture\n", name);
            continue;
        }
        var target = fso.GetBaseName(name) + "." + format;
        if (picture.save(fso.BuildPath(output, target))) {
            printf("%-20s -> %s (%d x %d)\n", name, target, picture.width, picture.height);
            converted++;
        } else {
            printf("%-20s could not be saved as %s\n", name, target);
            failed++;
        }
    }
    printf("%d converted, %d failed\n", converted, failed);
    return failed > 0 ? 1 : 0;
}
