// enumAll repeats the enumerator's call while the server rejects it as busy, 100 ms
// apart: a collection that rejects five calls is read on the sixth; one that never
// gives in is given up after 101 calls, with a type mismatch.
function main() {
    var server = COM.create("KovaTest.Server");
    var items = server.MakeItems(3, 5), start = tick();
    var got = COM.enumAll(items).join(" "), waited = tick() - start;
    print("five rejections: ", got, " after ", items.Calls, " calls, ", waited >= 500 ? "at least" : "less than", " 0.5 s");
    items = server.MakeItems(2, 1000);
    var error = "no error";
    try { COM.enumAll(items); } catch (e) { error = "0x" + (e.number >>> 0).toString(16); }
    print("always rejected: ", error, " after ", items.Calls, " calls");
}
