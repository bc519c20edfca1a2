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
# Whether TARGET links one of Qt's private modules (Qt6::GuiPrivate and the like), itself or
# through the libraries of ours it links.
function(morvanta_links_qt_private target result)
    set(pending ${target})
    set(seen "")
    while(pending)
        list(POP_FRONT pending current)
        if(current MATCHES "^Qt6::[A-Za-z]+Private$")
            set(${result} TRUE PARENT_SCOPE)
            return()
        endif()
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(imported ${current} IMPORTED)
        get_target_property(links ${current} LINK_LIBRARIES)
        if(NOT imported AND links)
            list(APPEND pending ${links})
        endif()
    endwhile()
    set(${result} FALSE PARENT_SCOPE)
endfunction()

# Added to what dpkg-shlibdeps finds. Qt's private API keeps its binary interface for one Qt
# release only, so a program built on it depends on that release exactly, through the virtual
# package Debian's Qt core library provides for it: qt6-base-abi on Debian 12,
# qt6-base-private-abi on Debian 13. Public API needs only what dpkg-shlibdeps finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-liberation2, fonts-lato")
morvanta_links_qt_private(morvanta morvanta_uses_qt_private_api)
if(morvanta_uses_qt_private_api)
    find_package(Qt6 REQUIRED COMPONENTS Core)
    execute_process(COMMAND dpkg-query -W "-f=\${Provides}\\n" "libqt6core6*"
                    OUTPUT_VARIABLE qt_core_provides ERROR_QUIET)
    if(qt_core_provides MATCHES "qt6-base(-private)?-abi \\(= ${Qt6Core_VERSION}\\)")
        string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${CMAKE_MATCH_0}")
    else()
        message(WARNING "No installed Qt ${Qt6Core_VERSION} core package names its ABI: the "
                        "Debian package does not pin the Qt release that Qt's private API needs")
    endif()
endif()

include(CPack)
