# The benchmark's nearest limits, built with the program's toolchain and flags, and the
# program that times them (scripts/bench.sh runs it; never part of the tests).
set(bench ${CMAKE_CURRENT_SOURCE_DIR}/tools/bench)

function(add_bare_program name)
  add_executable(${name} WIN32 ${ARGN})
  target_compile_options(${name} PRIVATE ${size_flags})
  target_link_options(${name} PRIVATE ${win32_link})
endfunction()

add_bare_program(bare_window ${bench}/bare_window.cpp)
target_link_libraries(bare_window PRIVATE user32 kernel32)
add_bare_program(bare_picture ${bench}/bare_window.cpp ${bench}/bare_picture.cpp
                 ${bench}/bare_picture.rc)
target_compile_definitions(bare_picture PRIVATE BARE_PICTURE)
target_link_libraries(bare_picture PRIVATE user32 gdi32 ole32 uuid kernel32)

add_executable(window_bench ${bench}/window_bench.cpp)
target_include_directories(window_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/driver)
target_link_options(window_bench PRIVATE -municode -static)
target_link_libraries(window_bench PRIVATE user32 gdi32 psapi kernel32)
