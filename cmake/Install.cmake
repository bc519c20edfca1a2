# Where `cmake --install` puts the program so that a Linux desktop finds it: the executable in
# bin/, the launcher, the icon in every size of the hicolor theme, the AppStream metainfo for
# software centres, the licence, and the browser edition's page when one was built beforehand.
include(GNUInstallDirs)

set(MORVANTA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(MORVANTA_ICON_SIZES 32 48 64 128 256)

install(TARGETS morvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${MORVANTA_PACKAGING_DIR}/morvanta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metainfo's release is the project's version.
set(MORVANTA_METAINFO ${PROJECT_BINARY_DIR}/packaging/morvanta.metainfo.xml)
configure_file(${MORVANTA_PACKAGING_DIR}/morvanta.metainfo.xml.in ${MORVANTA_METAINFO} @ONLY)
install(FILES ${MORVANTA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size IN LISTS MORVANTA_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/morvanta-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME morvanta.png)
endforeach()

# Debian keeps each package's licence as doc/<package>/copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvanta
        RENAME copyright)

# The manual page and the Debian changelog go in compressed, as Debian keeps them; -n leaves
# the name and time out of the header, so the same sources give the same bytes.
find_program(MORVANTA_GZIP gzip REQUIRED)
# The packaging's own revision of this version, as the Debian changelog and package name say.
set(MORVANTA_DEBIAN_RELEASE 1)
configure_file(${MORVANTA_PACKAGING_DIR}/morvanta.1.in ${CMAKE_CURRENT_BINARY_DIR}/morvanta.1 @ONLY)
configure_file(${MORVANTA_PACKAGING_DIR}/changelog.Debian.in
               ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian @ONLY)
set(MORVANTA_MANPAGE_GZ ${CMAKE_CURRENT_BINARY_DIR}/morvanta.1.gz)
set(MORVANTA_CHANGELOG_GZ ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${MORVANTA_MANPAGE_GZ}
    COMMAND sh -c "${MORVANTA_GZIP} -9n -c \"$0\" > \"$1\""
            ${CMAKE_CURRENT_BINARY_DIR}/morvanta.1 ${MORVANTA_MANPAGE_GZ}
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/morvanta.1 VERBATIM)
add_custom_command(OUTPUT ${MORVANTA_CHANGELOG_GZ}
    COMMAND sh -c "${MORVANTA_GZIP} -9n -c \"$0\" > \"$1\""
            ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian ${MORVANTA_CHANGELOG_GZ}
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian VERBATIM)
add_custom_target(morvanta_docs ALL DEPENDS ${MORVANTA_MANPAGE_GZ} ${MORVANTA_CHANGELOG_GZ})

install(FILES ${MORVANTA_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MORVANTA_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvanta)
install(FILES ${MORVANTA_PACKAGING_DIR}/morvanta.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME morvanta)

# The browser edition's page (scripts/web.sh builds it), for a teacher to copy onto a school
# share or a USB stick; left out when there is none.
set(MORVANTA_WEB_PAGE_BUILT ${PROJECT_SOURCE_DIR}/build-web/ui/web/morvanta.html)
if(NOT EXISTS ${MORVANTA_WEB_PAGE_BUILT})
    set(MORVANTA_WEB_PAGE_BUILT "")
endif()
set(MORVANTA_WEB_PAGE "${MORVANTA_WEB_PAGE_BUILT}" CACHE FILEPATH
    "The browser edition's page to install in share/morvanta (empty: none)")
if(MORVANTA_WEB_PAGE)
    install(FILES ${MORVANTA_WEB_PAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/morvanta
            RENAME morvanta.html)
endif()
