# The Windows program's icon and version in its file, and `make windows`'s
# installer: the program's folder with every DLL it needs, as an NSIS installer
# and a zip beside it in the build folder (scripts/windows/package.sh). Both are
# build outputs, never committed.
dextrel_windows_icon(DEXTREL_ICON)
add_custom_target(windows_icon DEPENDS ${DEXTREL_ICON})
configure_file(${PROJECT_SOURCE_DIR}/cmake/dextrel.rc.in ${CMAKE_BINARY_DIR}/dextrel.rc @ONLY)
target_sources(dextrel PRIVATE ${CMAKE_BINARY_DIR}/dextrel.rc)
add_dependencies(dextrel windows_icon)
# A program of windows: no console window opens beside it.
set_target_properties(dextrel PROPERTIES WIN32_EXECUTABLE ON)

set(installer ${CMAKE_BINARY_DIR}/Dextrel-${PROJECT_VERSION}-setup.exe)
add_custom_target(windows_package
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/windows/package.sh $<TARGET_FILE:dextrel> ${CMAKE_BINARY_DIR}
            ${PROJECT_VERSION} ${DEXTREL_QT_MINGW} ${DEXTREL_ICON} ${PROJECT_SOURCE_DIR}/desktop/copyright
    DEPENDS dextrel windows_icon ${PROJECT_SOURCE_DIR}/scripts/windows/package.sh
            ${PROJECT_SOURCE_DIR}/scripts/windows/dextrel.nsi
    COMMENT "Making the Windows installer and zip"
    VERBATIM)

# Installed under Wine, started from Program Files, uninstalled (`make windows`
# makes the installer first).
add_test(NAME installer COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/windows/check-installer.sh ${installer}
         ${PROJECT_VERSION})
set_tests_properties(installer PROPERTIES RUN_SERIAL ON)
