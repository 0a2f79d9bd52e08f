# Read into libjpeg-turbo's own build by scripts/setup.sh (CMAKE_PROJECT_INCLUDE).
# jchuff.c holds the C Huffman encoder, which x86 builds leave to the SIMD one: compiled
# for size, it is a third smaller, and the encoder kova.exe runs is as fast as before.
set_source_files_properties(jchuff.c PROPERTIES COMPILE_OPTIONS -Os)
