# The Debian package of the calculator, made by CPack's DEB generator from a release build:
#   cmake --workflow --preset package   gives   build/package/pellomar_<version>_<arch>.deb
# Its dependencies are what dpkg-shlibdeps finds the program needs, and the fonts that stand in
# for the faces its windows name. It has no maintainer scripts: Debian's triggers refresh the
# icon cache, the desktop database and the manual page index when it comes and goes.
if(NOT TARGET pellomar OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()
include(GNUInstallDirs)
include(PellomarCompress)

set(pellomar_debian_dir "${PROJECT_SOURCE_DIR}/packaging/debian")
set(pellomar_doc_dir "${CMAKE_INSTALL_DATADIR}/doc/pellomar")

# A release must have its changelog entry: the package's changelog begins with this version.
file(STRINGS "${pellomar_debian_dir}/changelog" pellomar_changelog_head LIMIT_COUNT 1)
string(REPLACE "." "\\." pellomar_version_pattern "${PROJECT_VERSION}")
if(NOT pellomar_changelog_head MATCHES "^pellomar \\(${pellomar_version_pattern}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog must begin with an entry for version "
                      "${PROJECT_VERSION}, not: ${pellomar_changelog_head}")
endif()
set(CPACK_PACKAGE_CONTACT "${PELLOMAR_MAKER} <${PELLOMAR_CONTACT}>")
# ... and is signed by the package's maintainer.
file(STRINGS "${pellomar_debian_dir}/changelog" pellomar_changelog_trailer REGEX "^ -- ")
list(GET pellomar_changelog_trailer 0 pellomar_changelog_trailer)
if(NOT pellomar_changelog_trailer MATCHES "^ -- ${CPACK_PACKAGE_CONTACT}  ")
  message(FATAL_ERROR "packaging/debian/changelog's first entry must be signed by "
                      "${CPACK_PACKAGE_CONTACT}, not: ${pellomar_changelog_trailer}")
endif()
pellomar_gzip("${pellomar_debian_dir}/changelog" "${PROJECT_BINARY_DIR}/changelog.gz")

# The machine-readable copyright file, with LICENSE's permission notice as Debian writes it:
# each line indented by a space, an empty line as " .".
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" license_text)
string(FIND "${license_text}" "Permission is hereby granted" license_start)
string(SUBSTRING "${license_text}" ${license_start} -1 license_text)
string(STRIP "${license_text}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
configure_file("${pellomar_debian_dir}/copyright.in" "${PROJECT_BINARY_DIR}/copyright" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/copyright" "${PROJECT_BINARY_DIR}/changelog.gz"
        DESTINATION "${pellomar_doc_dir}")
install(FILES "${pellomar_debian_dir}/lintian-overrides"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME pellomar)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pellomar)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${PELLOMAR_MAKER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories the package makes are 0755 whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows name "MS Sans Serif", "Microsoft Sans Serif" and "Tahoma"; Liberation Sans and
# DejaVu Sans stand in for them. dpkg-shlibdeps adds the libraries after these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PELLOMAR_SUMMARY}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "${PELLOMAR_PRODUCT_NAME} is a small desktop calculator that\n")
string(APPEND CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
keeps a running result. Type a number into the entry box and press an
operation button: the number is combined with the running result shown
above the entry box, and the outcome becomes the new running result.

It adds, subtracts, multiplies and divides, takes percentages, raises to a
power, squares and cubes. Clear, from its button or with Ctrl+C, starts
afresh.]])

# The files' and the archives' time stamps are the last commit's, SOURCE_DATE_EPOCH, so that
# the package is the same bytes whenever it is made (PellomarPackageTime.cmake).
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/PellomarPackageTime.cmake")
set(CPACK_PELLOMAR_SOURCE_DIR "${PROJECT_SOURCE_DIR}")

include(CPack)
