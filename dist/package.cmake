# The Debian package, made by CPack from the install rules above:
# croquel_<version>_<arch>.deb (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME croquel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${CROQUEL_AUTHOR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Cross-built, the package is for the target's processor, named as Debian
# names it (aarch64-linux-gnu: arm64); CPack would name the machine's own.
if(CMAKE_CROSSCOMPILING)
    execute_process(COMMAND dpkg-architecture -f -t ${CMAKE_LIBRARY_ARCHITECTURE} -q DEB_HOST_ARCH
                    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
string(REGEX REPLACE "^[a-z]+://([^/:]+).*$" "\\1" web_host "${PROJECT_HOMEPAGE_URL}")
string(TOLOWER ${CROQUEL_AUTHOR} mailbox)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CROQUEL_AUTHOR} <${mailbox}@${web_host}>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maze-chase arcade game in French")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Steer a round character with the arrow keys through a fixed maze of
11 x 18 cells and eat its 42 pellets, one point each, while a chaser hunts
you by weighted chance. When it reaches your cell, a message gives your
score. The menu shows the keyboard commands, an about box and the game's
web link.")
# The linked libraries give the rest; the windows' layouts were measured
# with Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# On a Wayland desktop the game then runs as a native client, sharp at
# fractional scales; X11 needs none.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
