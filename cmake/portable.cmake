# Sources that parse bytes from files or scripts and include no Windows headers.
# They are part of kova.exe and also build natively for sanitizers and fuzzing.
set(KOVA_PORTABLE_SOURCES
  ${CMAKE_SOURCE_DIR}/src/globals/format_core.cpp
)
