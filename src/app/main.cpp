// Entry point of kova.exe.
#include "app/startup.h"

int main(int argc, char** argv) { return RunHost(argc, argv); }
