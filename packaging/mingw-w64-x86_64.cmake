# Cross-builds for 64-bit Windows with Debian's MinGW-w64, POSIX thread
# flavour (its libstdc++ has std::thread and std::mutex):
#   cmake -DCMAKE_TOOLCHAIN_FILE=packaging/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the GCC runtime, libstdc++ and winpthread linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CLI11 and nlohmann-json are header-only and the same for every target:
# their headers and CMake packages are borrowed from the build machine
# through a folder that holds nothing else (adding /usr itself would bring in
# the build machine's C library headers).
set(_host_headers ${CMAKE_BINARY_DIR}/host-headers/usr)
foreach(_borrowed "CLI;CLI11" "nlohmann;nlohmann_json")
  list(GET _borrowed 0 _include)
  list(GET _borrowed 1 _package)
  if(EXISTS /usr/include/${_include} AND NOT EXISTS ${_host_headers}/include/${_include})
    file(MAKE_DIRECTORY ${_host_headers}/include ${_host_headers}/share/cmake)
    file(CREATE_LINK /usr/include/${_include} ${_host_headers}/include/${_include} SYMBOLIC)
    file(COPY /usr/share/cmake/${_package} DESTINATION ${_host_headers}/share/cmake)
  endif()
endforeach()
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_BINARY_DIR}/host-headers)

# Debian ships no SQLite and no time-zone library for MinGW: the commands
# that need them are left out (they fail with "not available in this build").
set(ZERB32_HISTORY OFF CACHE BOOL "Build the commands on the history store (needs SQLite)")
set(ZERB32_TIMEZONES OFF CACHE BOOL "Build the time-zone options (needs the time-zone database)")
