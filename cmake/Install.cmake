# Where `cmake --install` puts the program so that a Linux desktop finds it: the executable in
# bin/, the launcher, the icon in every size of the hicolor theme, the AppStream metainfo for
# software centres, and the licence.
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
