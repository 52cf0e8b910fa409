# Static Scintilla (Win32 platform layer, GDI rendering) and the parts of
# Lexilla the workbench uses (the lexer library and the FreeBASIC lexer),
# compiled from the unpacked Debian source package in .cache/deps/scite.
set(SCITE_DIR "${CMAKE_SOURCE_DIR}/.cache/deps/scite" CACHE PATH "Unpacked scite source package")
if(NOT EXISTS "${SCITE_DIR}/scintilla/src/Editor.cxx")
  message(FATAL_ERROR "Scintilla sources missing in ${SCITE_DIR}: run scripts/fetch-deps.sh")
endif()

file(GLOB scintilla_core "${SCITE_DIR}/scintilla/src/*.cxx")
add_library(scintilla STATIC ${scintilla_core}
  "${SCITE_DIR}/scintilla/win32/PlatWin.cxx"
  "${SCITE_DIR}/scintilla/win32/ScintillaWin.cxx"
  "${SCITE_DIR}/scintilla/win32/HanjaDic.cxx")
target_include_directories(scintilla SYSTEM PUBLIC "${SCITE_DIR}/scintilla/include"
  PRIVATE "${SCITE_DIR}/scintilla/src")
target_compile_options(scintilla PRIVATE -w)
target_link_libraries(scintilla PUBLIC gdi32 user32 imm32 ole32 oleaut32 uuid msimg32)

file(GLOB lexilla_lib "${SCITE_DIR}/lexilla/lexlib/*.cxx")
add_library(lexilla_basic STATIC ${lexilla_lib} "${SCITE_DIR}/lexilla/lexers/LexBasic.cxx")
target_include_directories(lexilla_basic SYSTEM PUBLIC
  "${SCITE_DIR}/lexilla/include" "${SCITE_DIR}/lexilla/lexlib" "${SCITE_DIR}/scintilla/include")
target_compile_options(lexilla_basic PRIVATE -w)
