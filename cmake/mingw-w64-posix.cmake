# The mingw-w64 toolchain with POSIX threads (std::thread and std::mutex), for tools
# that need them; the program itself uses the default variant.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
