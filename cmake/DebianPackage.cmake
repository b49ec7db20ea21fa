# `make package`: a Debian package of what `cmake --install` puts in place.
# Its dependencies are read from the linked libraries by dpkg-shlibdeps.
include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dextrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Dextrel developers <dextrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "download and chart the readings of a home blood-glucose meter")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Dextrel Management Software downloads the readings stored in a home\n"
    "blood-glucose meter over its serial cable, keeps them in a text file for\n"
    "each user and shows them as a data list, line graphs, a standard day and\n"
    "a histogram. Failed downloads leave a log to send along with a question.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# In Traditional Chinese, Qt's own buttons come from Qt's translations and the
# characters from a CJK font; the program runs without either.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Every Debian package carries its copyright and a changelog.
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
string(TIMESTAMP _stamp "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${CMAKE_BINARY_DIR}/changelog
     "${CPACK_PACKAGE_NAME} (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
     "  * Version ${PROJECT_VERSION}.\n\n"
     " -- ${CPACK_PACKAGE_CONTACT}  ${_stamp}\n")
execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/changelog)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${_doc})

include(CPack)
