# The posix thread model: its libstdc++ has std::mutex, which GoogleTest needs; linked statically,
# winpthread ends up inside the program and no extra DLL is imported.
set(CMAKE_C_COMPILER ${ZARVEL_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZARVEL_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZARVEL_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${ZARVEL_TRIPLET}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${ZARVEL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
