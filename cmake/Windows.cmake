# The program for 64-bit Windows, cross-built with MinGW-w64 against Qt's base
# module built from Debian's source (scripts/windows/build-qt.sh, `make windows`).
#
# Only Core, Gui, Widgets, PrintSupport and Test exist in that Qt. The serial
# line and the port list are the program's own on Windows (Win32), and the
# pictures are PNG files rendered at build time, so SerialPort and Svg are
# stand-ins that link nothing.
#
# Tests run under wine64 through scripts/windows/wine-run.sh, in a Wine prefix
# inside the build folder (`make test-windows`).

set(DEXTREL_QT_MINGW "$ENV{HOME}/.cache/dextrel/qt-6.4.2-mingw" CACHE PATH "Qt built for Windows by scripts/windows/build-qt.sh")
list(APPEND CMAKE_FIND_ROOT_PATH ${DEXTREL_QT_MINGW})
list(APPEND CMAKE_PREFIX_PATH ${DEXTREL_QT_MINGW})
set(QT_HOST_PATH /usr CACHE PATH "Debian's Qt, whose moc and rcc build for Windows")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Test LinguistTools)

# Replaced by the program's own code on Windows.
foreach(module SerialPort Svg)
    add_library(Qt6::${module} INTERFACE IMPORTED)
endforeach()
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
set(DEXTREL_PNG_PICTURES ON)

set(CMAKE_CROSSCOMPILING_EMULATOR bash ${PROJECT_SOURCE_DIR}/scripts/windows/wine-run.sh)

# The checks of the sources and of the Linux installation run in the Linux
# build, not under Wine (ctest reads this from the top of the build folder).
file(WRITE ${CMAKE_BINARY_DIR}/CTestCustom.cmake "set(CTEST_CUSTOM_TESTS_IGNORE layers format installed package)\n")
