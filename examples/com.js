// com.js: other programs' objects through COM. Run it as: kova com.js [folder]
// It lists the folder's files (default: the current one) with the file system object,
// then counts the words of its text files with a dictionary.

function main(args) {
    var fso = COM.create("Scripting.FileSystemObject");
    if (!fso) {
        print("The file system object is not installed here.");
        return 1;
    }
    var folder = fso.GetFolder(args.length > 0 ? args[0] : Script.pwd);

    // enumAll turns any COM collection into an Array.
    var files = COM.enumAll(folder.Files);
    files.sort(function (a, b) { return a.Name < b.Name ? -1 : a.Name > b.Name ? 1 : 0; });
    print(folder.Path, ": ", files.length, " files");
    for (var i = 0; i < files.length; i++)
        printf("  %-24s %8d bytes\n", files[i].Name, files[i].Size);

    // A Scripting.Dictionary keeps a count per word.
    var words = COM.create("Scripting.Dictionary");
    words.CompareMode = 1;  // ignore case
    for (var i = 0; i < files.length; i++) {
        if (!/\.(txt|js|md)$/i.test(files[i].Name)) continue;
        var text = files[i].OpenAsTextStream(1).ReadAll().match(/[A-Za-z]+/g) || [];
        for (var j = 0; j < text.length; j++)
            words.Exists(text[j]) ? words.Item(text[j]) += 1 : words.Add(text[j], 1);
    }
    var counted = COM.enumAll(words);
    counted.sort(function (a, b) { return words.Item(b) - words.Item(a) || (a < b ? -1 : 1); });
    print(counted.length, " different words; the most frequent:");
    for (var i = 0; i < counted.length && i < 5; i++) printf("  %-12s %5d\n", counted[i], words.Item(counted[i]));
    return 0;
}
