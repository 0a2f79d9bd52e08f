// One line of output from either console host: the start-up benchmark runs this file
// with kova.exe and with the platform's own script host.
if (typeof WScript != "undefined") WScript.Echo("Hello, world!");
else print("Hello, world!");
