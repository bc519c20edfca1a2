# The Debian package, built by `cpack` (or the `package` target) from the install rules of
# Install.cmake. The shared libraries' packages are found by dpkg-shlibdeps (from dpkg-dev);
# the fonts the window is designed around are named here, as no library links them.
set(MORVANTA_PACKAGE_MAINTAINER "Morvanta developers <morvanta@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvanta)
set(CPACK_PACKAGE_VENDOR "Morvanta developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-species competition in the phase plane")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvanta teaches competition between two species. It runs a discrete-time
Lotka-Volterra competition model and draws every simulated trial as a
trajectory in the phase plane, so that coexistence and competitive exclusion
can be seen and compared.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# The packaging lives with the program but is versioned on its own, as its changelog says:
# morvanta_<version>-<release>_<arch>.deb, with doc/morvanta/changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${MORVANTA_DEBIAN_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${MORVANTA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Added to the libraries dpkg-shlibdeps finds: the faces the window is drawn in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-liberation2, fonts-lato")

include(CPack)
