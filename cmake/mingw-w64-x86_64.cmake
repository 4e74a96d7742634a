# Cross-compiles the Qt-free programs and tests for 64-bit Windows with Debian's mingw-w64 (the
# posix thread model, for std::thread and std::mutex). Used by the "windows" preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KORVEL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER ${KORVEL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_C_COMPILER ${KORVEL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_RC_COMPILER ${KORVEL_MINGW_TRIPLET}-windres)

# Libraries and headers of the target only; programs (ninja, cmake) of the machine building.
set(CMAKE_FIND_ROOT_PATH /usr/${KORVEL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries linked in, so that the programs run on a Windows without mingw's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
