# The Windows program, cross-built: GUI subsystem, wide entry point, static, small.
enable_language(RC)
set(CMAKE_CXX_STANDARD_LIBRARIES "")  # import only what the program names

set(win32_layer
  app/fatal_win32.cpp
  app/faults_win32.cpp
  app/main_win32.cpp
  app/message_loop_win32.cpp
  app/system_dll_win32.cpp
  link/box_text_win32.cpp
  link/clipboard_win32.cpp
  link/encoding_win32.cpp
  link/heap_win32.cpp
  link/shell_win32.cpp
  ui/picture_box_win32.cpp
  ui/picture_decoder_win32.cpp
  ui/resources.rc
  ui/window_win32.cpp)

set(size_flags -Os -ffunction-sections -fdata-sections -fno-exceptions -fno-rtti
    -fno-asynchronous-unwind-tables)
target_compile_options(core PRIVATE ${size_flags})
set(win32_libs user32 gdi32 uuid kernel32)  # shell32 and ole32 load on first use
set(win32_link -municode -mwindows -static -s -Wl,--gc-sections)

function(add_program name)
  add_executable(${name} WIN32 ${win32_layer})
  target_compile_options(${name} PRIVATE ${size_flags})
  target_link_options(${name} PRIVATE ${win32_link})
  target_link_libraries(${name} PRIVATE core ${win32_libs})
endfunction()

# The program as shipped.
add_program(linkgen)
set_source_files_properties(ui/resources.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/ui/app.ico;${CMAKE_CURRENT_SOURCE_DIR}/ui/help.jpg;${CMAKE_CURRENT_SOURCE_DIR}/ui/app.manifest")
# A test build with injection points for failures that cannot be provoked from outside.
add_program(linkgen-faults)
target_compile_definitions(linkgen-faults PRIVATE LINKGEN_FAULT_INJECTION)

include(cmake/bench.cmake)
include(tests/e2e/e2e.cmake OPTIONAL)
