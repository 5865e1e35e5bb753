# Native build: the portable core under GoogleTest, with AddressSanitizer and UBSan.
enable_testing()
find_package(GTest REQUIRED)

set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(core PRIVATE ${sanitizers})

add_executable(unit_tests
  tests/unit/actions_test.cpp
  tests/unit/fake_platform.cpp
  tests/unit/generate_test.cpp
  tests/unit/help_picture_test.cpp
  tests/unit/text_test.cpp
  tests/unit/window_test.cpp)
target_compile_options(unit_tests PRIVATE ${sanitizers})
target_link_options(unit_tests PRIVATE ${sanitizers})
target_compile_definitions(unit_tests PRIVATE
  HELP_PICTURE_PATH="${CMAKE_CURRENT_SOURCE_DIR}/ui/help.jpg")
target_link_libraries(unit_tests PRIVATE core GTest::gtest GTest::gtest_main)

include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
