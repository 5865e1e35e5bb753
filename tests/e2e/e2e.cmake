# End-to-end tests: a driver built for Windows starts the real program under Wine on a
# virtual display, and checks what the user would see.
enable_testing()

file(GLOB e2e_driver_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/driver/*.cpp)
add_executable(e2e_driver ${e2e_driver_sources})
target_link_options(e2e_driver PRIVATE -municode -static)
target_link_libraries(e2e_driver PRIVATE user32 gdi32 version psapi ntdll kernel32)
add_dependencies(e2e_driver linkgen linkgen-faults)

set(e2e_dir ${CMAKE_BINARY_DIR}/e2e)
set(e2e_scripts ${CMAKE_CURRENT_LIST_DIR})

add_test(NAME e2e_session_start COMMAND ${e2e_scripts}/session.sh start ${e2e_dir})
set_tests_properties(e2e_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
add_test(NAME e2e_session_stop COMMAND ${e2e_scripts}/session.sh stop ${e2e_dir})
set_tests_properties(e2e_session_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)

# e2e_group(GROUP SCREEN LOCALE): one run of the driver's GROUP on a virtual desktop of
# SCREEN pixels, with Wine's locale (and so the ANSI code page) taken from LOCALE.
function(e2e_group group screen locale)
  string(REPLACE "." "_" tag "${locale}")
  set(name e2e_${group}_${screen}_${tag})
  add_test(NAME ${name}
           COMMAND ${e2e_scripts}/run-group.sh ${e2e_dir} ${group} ${screen} ${locale}
                   $<TARGET_FILE:linkgen> $<TARGET_FILE:e2e_driver>)
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 240)
endfunction()

e2e_group(layout 1025x769 C.UTF-8)
e2e_group(layout 300x100 C.UTF-8)
e2e_group(keys 1024x768 C.UTF-8)
e2e_group(generate 1024x768 zh_CN.UTF-8)  # ANSI code page 936
e2e_group(generate 1024x768 C.UTF-8)      # 1252
e2e_group(generate 1024x768 ja_JP.UTF-8)  # 932
e2e_group(fatal 1024x768 C.UTF-8)
e2e_group(clipboard 1024x768 C.UTF-8)
e2e_group(clipboard 1024x768 zh_CN.UTF-8)
e2e_group(shell 1024x768 C.UTF-8)
e2e_group(help 1280x1024 C.UTF-8)
e2e_group(help 1024x768 C.UTF-8)
e2e_group(help-failure 1024x768 C.UTF-8)
e2e_group(help-undecodable 1280x1024 C.UTF-8)
e2e_group(input 1024x768 C.UTF-8)
e2e_group(soak 1280x1024 C.UTF-8)
e2e_group(soak-clipboard 1024x768 zh_CN.UTF-8)
