' Makes a folder of text files with the file system object, lists it with sizes and
' line counts, and removes it again.
Option Explicit
Dim fso, folder, file, stream, i, lines, path, count
Set fso = CreateObject("Scripting.FileSystemObject")
path = fso.BuildPath(WScript.Arguments(0), "sample")
Set folder = fso.CreateFolder(path)
For i = 1 To 3
    Set stream = fso.CreateTextFile(fso.BuildPath(path, "file" & i & ".txt"), True)
    stream.WriteLine String(i * 3, "x")
    stream.WriteLine "line two of " & i
    stream.Close
Next
For Each file In folder.Files
    Set stream = file.OpenAsTextStream(1)
    lines = 0
    Do Until stream.AtEndOfStream
        stream.ReadLine
        lines = lines + 1
    Loop
    stream.Close
    WScript.Echo file.Name, file.Size, lines, fso.GetExtensionName(file.Path)
Next
count = folder.Files.Count
WScript.Echo "files:", count, "exists:", fso.FolderExists(path)
fso.DeleteFolder path
WScript.Echo "exists after delete:", fso.FolderExists(path)
WScript.Quit count
