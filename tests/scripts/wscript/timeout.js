// A time limit stops an endless loop of the script's own code: nothing after it runs.
WScript.Timeout = 1;
print("looping");
for (;;) {}
