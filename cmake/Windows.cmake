# The program for 64-bit Windows, cross-built with MinGW-w64 against Qt's base
# module built from Debian's source (scripts/windows/build-qt.sh, `make windows`).
#
# Only Core, Gui, Widgets, PrintSupport and Test exist in that Qt. The serial
# line and the port list are the program's own on Windows (Win32), and the
# pictures are PNG files rendered at build time, so SerialPort and Svg are
# stand-ins that link nothing. A target that still needs a module with no
# Windows build (Charts, WebEngineWidgets) is left out of the build, and its
# test is not run; once nothing needs such a module, every target builds.
#
# Tests run under wine64 through scripts/windows/wine-run.sh, in a Wine prefix
# inside the build folder (`make test-windows`).

set(DEXTREL_QT_MINGW "$ENV{HOME}/.cache/dextrel/qt-6.4.2-mingw" CACHE PATH "Qt built for Windows by scripts/windows/build-qt.sh")
list(APPEND CMAKE_FIND_ROOT_PATH ${DEXTREL_QT_MINGW})
list(APPEND CMAKE_PREFIX_PATH ${DEXTREL_QT_MINGW})
set(QT_HOST_PATH /usr CACHE PATH "Debian's Qt, whose moc and rcc build for Windows")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Test)

# Replaced by the program's own code on Windows.
foreach(module SerialPort Svg)
    add_library(Qt6::${module} INTERFACE IMPORTED)
endforeach()
# Not built for Windows: whatever needs them waits.
set(DEXTREL_WINDOWS_MISSING Qt6::Charts Qt6::WebEngineWidgets)
foreach(module IN LISTS DEXTREL_WINDOWS_MISSING)
    add_library(${module} INTERFACE IMPORTED)
endforeach()

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
set(DEXTREL_PNG_PICTURES ON)

set(CMAKE_CROSSCOMPILING_EMULATOR bash ${PROJECT_SOURCE_DIR}/scripts/windows/wine-run.sh)

# Whether target needs, through any of its links, a module with no Windows build.
function(dextrel_needs_missing target out)
    get_property(seen GLOBAL PROPERTY _dextrel_seen_${target} SET)
    if(seen)
        get_property(result GLOBAL PROPERTY _dextrel_seen_${target})
        set(${out} ${result} PARENT_SCOPE)
        return()
    endif()
    set_property(GLOBAL PROPERTY _dextrel_seen_${target} OFF)
    set(result OFF)
    if(target IN_LIST DEXTREL_WINDOWS_MISSING)
        set(result ON)
    elseif(TARGET ${target})
        get_target_property(imported ${target} IMPORTED)
        if(NOT imported)
            get_target_property(type ${target} TYPE)
            set(links "")
            if(NOT type STREQUAL "INTERFACE_LIBRARY")
                get_target_property(links ${target} LINK_LIBRARIES)
            endif()
            get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
            foreach(link IN LISTS links interface)
                if(link AND TARGET ${link})
                    dextrel_needs_missing(${link} needs)
                    if(needs)
                        set(result ON)
                        break()
                    endif()
                endif()
            endforeach()
        endif()
    endif()
    set_property(GLOBAL PROPERTY _dextrel_seen_${target} ${result})
    set(${out} ${result} PARENT_SCOPE)
endfunction()

# A directory property (BUILDSYSTEM_TARGETS, TESTS) of dir and every folder below it.
function(dextrel_windows_collect dir property out)
    get_property(found DIRECTORY ${dir} PROPERTY ${property})
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        dextrel_windows_collect(${sub} ${property} more)
        list(APPEND found ${more})
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Run once the whole tree is known: leaves out what cannot be built, and
# ignores the tests whose program is left out and those of the Linux build.
function(dextrel_windows_finish)
    dextrel_windows_collect(${PROJECT_SOURCE_DIR} BUILDSYSTEM_TARGETS targets)
    set(waiting "")
    foreach(target IN LISTS targets)
        dextrel_needs_missing(${target} needs)
        if(needs)
            set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL ON)
            list(APPEND waiting ${target})
        endif()
    endforeach()
    dextrel_windows_collect(${PROJECT_SOURCE_DIR} TESTS tests)
    # Checks of the sources and of the Linux installation run in the Linux build.
    set(ignored layers format installed package)
    foreach(test IN LISTS tests)
        if(test IN_LIST waiting)
            list(APPEND ignored ${test})
        endif()
    endforeach()
    # ctest reads it from the top of the build folder.
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/CTestCustom.cmake
         CONTENT "set(CTEST_CUSTOM_TESTS_IGNORE @ignored@)\n" @ONLY)
    list(JOIN waiting ", " waiting)
    list(JOIN ignored ", " ignored)
    if(waiting)
        message(STATUS "Windows: waiting for modules with no Windows build: ${waiting}")
    endif()
    message(STATUS "Windows: tests not run under Wine: ${ignored}")
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL dextrel_windows_finish)
