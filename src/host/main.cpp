// Entry point of kova.exe.
#include "host/startup.h"

int main(int argc, char** argv) { return RunHost(argc, argv); }
