# Cross-compiling for arm64 Linux (Mobian, PureOS and other Debian phones)
# with Debian's aarch64-linux-gnu compilers (crossbuild-essential-arm64).
#
# The arm64 libraries and headers come from PLAYERLINK_ARM64_ROOT: a folder
# holding Debian's arm64 packages unpacked (scripts/phone-root.sh makes one),
# or / on a machine where they are installed as :arm64 packages. Qt's tools
# (moc, rcc, qmlcachegen, lrelease) run from the build machine's Qt of the
# same version.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(PLAYERLINK_ARM64_ROOT "/" CACHE PATH "Folder holding the arm64 libraries (usr/lib/aarch64-linux-gnu)")
# try_compile projects read this file again and need the folder as well.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PLAYERLINK_ARM64_ROOT)
set(_root "${PLAYERLINK_ARM64_ROOT}")

# Libraries, headers and CMake packages from the arm64 folder; programs from
# the build machine.
set(CMAKE_FIND_ROOT_PATH "${_root}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_PREFIX_PATH "/usr/lib/aarch64-linux-gnu/cmake")

# The libraries that the linked ones need in turn are found there too.
string(JOIN ":" _rpath_link "${_root}/usr/lib/aarch64-linux-gnu" "${_root}/lib/aarch64-linux-gnu")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,-rpath-link,${_rpath_link}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,-rpath-link,${_rpath_link}")

# pkg-config (Avahi, minizip) reads the arm64 .pc files.
set(ENV{PKG_CONFIG_LIBDIR} "${_root}/usr/lib/aarch64-linux-gnu/pkgconfig:${_root}/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "${_root}")

# Qt's host tools, from the build machine's multiarch folder.
set(QT_HOST_PATH "/usr")
execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
                OUTPUT_VARIABLE _build_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(_build_multiarch)
  set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/${_build_multiarch}/cmake")
  # lrelease too: Qt would look for its package among the arm64 ones.
  set(Qt6LinguistTools_DIR "/usr/lib/${_build_multiarch}/cmake/Qt6LinguistTools")
endif()
