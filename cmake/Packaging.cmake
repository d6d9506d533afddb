# Install rules and packages. Two components:
#  - system: the installed program (bin/, share/), what `cmake --install` and
#    the .deb carry; shipped read-only files go to share/attestari/.
#  - portable: one folder with the executable, the marker that keeps the
#    archives beside it, the initial store, the guide and a README; only the
#    portable .tar.gz carries it (EXCLUDE_FROM_ALL keeps it out of a plain install).
include(GNUInstallDirs)

set(ATTESTARI_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(ATTESTARI_ID it.quirendo.Attestari)
set(gen ${CMAKE_BINARY_DIR}/packaging)

configure_file(${ATTESTARI_PACKAGING}/${ATTESTARI_ID}.metainfo.xml.in ${gen}/${ATTESTARI_ID}.metainfo.xml @ONLY)
configure_file(${ATTESTARI_PACKAGING}/attestari.1.in ${gen}/attestari.1 @ONLY)
configure_file(${ATTESTARI_PACKAGING}/changelog.in ${gen}/changelog @ONLY)

# Debian wants the man page and the changelog compressed, without a time stamp.
foreach(doc attestari.1 changelog)
  add_custom_command(OUTPUT ${gen}/${doc}.gz
    COMMAND gzip -9nc ${gen}/${doc} > ${gen}/${doc}.gz
    DEPENDS ${gen}/${doc}
    VERBATIM)
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${gen}/attestari.1.gz ${gen}/changelog.gz)

set(data ${CMAKE_INSTALL_DATADIR})
install(TARGETS attestari RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT system)
install(FILES ${ATTESTARI_PROGRAM_DIR}/unins000.dll ${ATTESTARI_PROGRAM_DIR}/Guida.pdf
        DESTINATION ${data}/attestari PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ COMPONENT system)
install(FILES ${ATTESTARI_PACKAGING}/${ATTESTARI_ID}.desktop DESTINATION ${data}/applications COMPONENT system)
install(FILES ${gen}/${ATTESTARI_ID}.metainfo.xml DESTINATION ${data}/metainfo COMPONENT system)
install(FILES ${ATTESTARI_PACKAGING}/attestari.svg DESTINATION ${data}/icons/hicolor/scalable/apps
        RENAME ${ATTESTARI_ID}.svg COMPONENT system)
foreach(size ${ATTESTARI_ICON_SIZES})
  install(FILES ${ATTESTARI_ICON_DIR}/${size}/${ATTESTARI_ID}.png
          DESTINATION ${data}/icons/hicolor/${size}x${size}/apps COMPONENT system)
endforeach()
install(FILES ${gen}/attestari.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT system)
install(FILES ${gen}/changelog.gz ${ATTESTARI_PACKAGING}/copyright
        DESTINATION ${data}/doc/attestari COMPONENT system)

install(TARGETS attestari RUNTIME DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
install(FILES ${ATTESTARI_PACKAGING}/attestari.portable ${ATTESTARI_PROGRAM_DIR}/unins000.dll
              ${ATTESTARI_PROGRAM_DIR}/Guida.pdf
        DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
install(FILES ${ATTESTARI_PACKAGING}/README.portable DESTINATION . RENAME README COMPONENT portable EXCLUDE_FROM_ALL)

set(CPACK_PACKAGE_NAME attestari)
set(CPACK_PACKAGE_VENDOR Quirendo)
set(CPACK_PACKAGE_CONTACT "Quirendo <info@quirendo.it>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.quirendo.it)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Archivio anagrafico e dichiarazioni sostitutive")
set(CPACK_PACKAGE_DESCRIPTION
    "Tiene l'archivio anagrafico di persone e aziende e prepara, stampa e archivia
le dichiarazioni sostitutive di certificazione e di atto di notorietà del
D.P.R. 445/2000. Gli archivi stanno in una cartella scelta al primo avvio.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_SET_DESTDIR OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quirendo <info@quirendo.it>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system plugins are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

set(CPACK_ARCHIVE_FILE_NAME attestari-${PROJECT_VERSION}-portatile)
set(CPACK_PROJECT_CONFIG_FILE ${gen}/CPackPerGenerator.cmake)
file(WRITE ${gen}/CPackPerGenerator.cmake
"# Each package takes its own component.
if(CPACK_GENERATOR STREQUAL \"TGZ\")
  set(CPACK_INSTALL_CMAKE_PROJECTS \"${CMAKE_BINARY_DIR};attestari;portable;/\")
  set(CPACK_PACKAGE_FILE_NAME attestari-${PROJECT_VERSION}-portatile)
  set(CPACK_PACKAGING_INSTALL_PREFIX /)
else()
  set(CPACK_INSTALL_CMAKE_PROJECTS \"${CMAKE_BINARY_DIR};attestari;system;/\")
endif()
")
include(CPack)
