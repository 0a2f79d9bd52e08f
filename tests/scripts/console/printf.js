// printf writes what sprintf would return, in call order with print; with no
// argument it writes nothing. getch, getche and kbhit take no argument: with one
// they fail with DISP_E_BADPARAMCOUNT (0x8002000e) and read nothing.
printf();
printf("");
print("[start]");
printf("a");
print("b");
printf("%d-%s", 1, "c");
printf("\n");
printf("%s|%5.2f|%b\n", "x", 2.5, 6);
printf("no newline: ");
printf();
print(typeof printf("%d", 7));
printf("100%% %q\n", 1);
Script.printf("via Script %s\n", "ok");

function status(name, f) {
    try {
        f();
        print(name, ": no error");
    } catch (e) {
        print(name, ": ", (e.number >>> 0).toString(16));
    }
}
status("getch(1)", function () { getch(1); });
status("getche(\"x\")", function () { getche("x"); });
status("kbhit(0, 0)", function () { kbhit(0, 0); });
status("Script.kbhit(1)", function () { Script.kbhit(1); });
print(typeof kbhit());
