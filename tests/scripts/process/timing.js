// The waiting functions in a script: sleep and sync pace the loop, tick is an
// unsigned millisecond count, fps outside 1 to 1000 is taken in stride, and each
// function refuses a wrong argument count. Timings are checked loosely only.
var t0 = tick();
print(typeof t0, " ", t0 >= 0, " ", t0 == Math.floor(t0));
sleep(50);
print("slept: ", tick() - t0 >= 40);
sleep(0); sleep(-5);
fps(50);
sync();
var t1 = tick();
for (var i = 0; i < 5; i++) sync();
var took = tick() - t1;
print("5 frames: ", took >= 80 && took < 3000);
var t2 = tick();
while (tick() - t2 < 100) {}
print("skipped: ", sync() >= 2);
print(typeof fps(0), " ", typeof fps(-10), " ", typeof fps(100000), " ", typeof fps(NaN));
print(typeof sync());
var g = guid();
print(g.length, " ", /^[0-9a-f]{32}$/.test(g), " ", g != guid());
function errorOf(f) { try { f(); return "none"; } catch (e) { return (e.number >>> 0).toString(16); } }
print(errorOf(function () { sleep(); }), " ", errorOf(function () { tick(1); }), " ",
      errorOf(function () { fps(); }), " ", errorOf(function () { sync(0); }), " ",
      errorOf(function () { guid(""); }), " ", errorOf(function () { beep(1); }));
