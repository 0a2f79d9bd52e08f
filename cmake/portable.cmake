# Sources that parse bytes from files or scripts and include no Windows headers.
# They are part of kova.exe and also build natively for sanitizers and fuzzing.
set(KOVA_PORTABLE_SOURCES
  ${CMAKE_SOURCE_DIR}/src/app/command_line_core.cpp
  ${CMAKE_SOURCE_DIR}/src/data/binary_type.cpp
  ${CMAKE_SOURCE_DIR}/src/data/native_signature.cpp
  ${CMAKE_SOURCE_DIR}/src/editor/ini_value_core.cpp
  ${CMAKE_SOURCE_DIR}/src/globals/encoding_core.cpp
  ${CMAKE_SOURCE_DIR}/src/globals/format_core.cpp
  ${CMAKE_SOURCE_DIR}/src/globals/scan_core.cpp
  ${CMAKE_SOURCE_DIR}/src/host/script_text_core.cpp
  ${CMAKE_SOURCE_DIR}/src/image/bmp_codec.cpp
  ${CMAKE_SOURCE_DIR}/src/image/colour_core.cpp
  ${CMAKE_SOURCE_DIR}/src/image/file_bytes.cpp
  ${CMAKE_SOURCE_DIR}/src/image/jpeg_codec.cpp
  ${CMAKE_SOURCE_DIR}/src/image/pixel_view.cpp
  ${CMAKE_SOURCE_DIR}/src/image/plugin_bitmap.cpp
  ${CMAKE_SOURCE_DIR}/src/image/png_codec.cpp
  ${CMAKE_SOURCE_DIR}/src/image/tga32.cpp
  ${CMAKE_SOURCE_DIR}/src/object/multibyte.cpp
  ${CMAKE_SOURCE_DIR}/src/object/path_core.cpp
)
