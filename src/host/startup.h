// The program's run: command line, engine, namespace, script, main, talk mode, shutdown.
#pragma once

int RunHost(int argc, const char* const* argv);

// The directory .NET hosting starts the runtime in; set once during start-up.
const char* BaseDirectory();
