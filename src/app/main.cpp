// Entry point of kova.exe.
#include "app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv) { return RunHost(argc, argv); }

// What std::terminate prints before it aborts, should an exception ever escape every
// boundary that catches them. It stands in for libstdc++'s own handler, which names
// the exception's type through the C++ demangler: defined here, in the program's own
// object, it keeps that handler and the demangler (about 60 KB) out of kova.exe.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    const char* what = "an exception of unknown type";
    try {
        if (std::exception_ptr escaped = std::current_exception()) std::rethrow_exception(escaped);
        what = "no active exception";
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
    }
    std::fprintf(stderr, "terminate called: %s\n", what);
    std::abort();
}
}  // namespace __gnu_cxx
