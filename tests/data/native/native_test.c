/* Functions for the DllFunc tests: an echo of each parameter and result type and a
   recorder of all types at once, each in both calling conventions; a value kept
   between calls; and a filler that writes as many bytes as it is told. */
#include <stdint.h>
#include <string.h>
#include <wchar.h>

#define ECHO(T, name)                          \
    T __cdecl name##_c(T v) { return v; }      \
    T __stdcall name##_s(T v) { return v; }

ECHO(uint32_t, echo_uint)
ECHO(uint16_t, echo_ushort)
ECHO(uint8_t, echo_uchar)
ECHO(int32_t, echo_int)
ECHO(int16_t, echo_short)
ECHO(int8_t, echo_char)
ECHO(float, echo_float)
ECHO(double, echo_double)
ECHO(uintptr_t, echo_ptr)

/* Stores each argument as a double in out, in order, then the lengths and first
   characters of the texts, which it overwrites afterwards; answers the count stored.
   Floating values sit both among the first four arguments (registers on x64) and
   after them (the stack). */
#define RECORD(conv, name)                                                                                  \
    int conv name(double* out, float f1, int8_t c, double d1, uint8_t uc, int16_t s, uint16_t us, int32_t i, \
                  uint32_t u, float f2, double d2, uintptr_t p, char* text, wchar_t* wide) {               \
        double v[] = {f1, c, d1, uc, s, us, i, u, f2, d2, (double)p, (double)strlen(text), (double)wcslen(wide), \
                      (unsigned char)text[0], wide[0]};                                                     \
        memcpy(out, v, sizeof v);                                                                           \
        text[0] = '!';                                                                                      \
        wide[0] = L'!';                                                                                     \
        return (int)(sizeof v / sizeof v[0]);                                                               \
    }

RECORD(__cdecl, record_c)
RECORD(__stdcall, record_s)

static int kept;

void __stdcall keep_s(int v) { kept = v; }
int __cdecl kept_c(void) { return kept; }

void __cdecl fill_c(unsigned char* buffer, int count, int value) { memset(buffer, value, (size_t)count); }
