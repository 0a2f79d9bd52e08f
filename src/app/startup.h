// The program's run: command line, engine, namespace, script, main, talk mode, shutdown.
#pragma once

int RunHost(int argc, const char* const* argv);
