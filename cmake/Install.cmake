# Installing zicalc as a desktop application, and its Debian package (`make package`).
include(GNUInstallDirs)

set(ZICALC_APP_ID io.github.zicalc.Zicalc)
set(ZICALC_LIBEXEC_RELATIVE ${CMAKE_INSTALL_LIBEXECDIR}/zicalc)
set(ZICALC_DATA_RELATIVE ${CMAKE_INSTALL_DATADIR}/zicalc)

find_program(ZICALC_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ZICALC_GZIP gzip REQUIRED)
set(generated ${CMAKE_BINARY_DIR}/install-data)
file(MAKE_DIRECTORY ${generated})

# The program itself lives out of PATH: `zicalc` on PATH is the launcher that picks its directory.
install(TARGETS zicalc RUNTIME DESTINATION ${ZICALC_LIBEXEC_RELATIVE})
configure_file(${PROJECT_SOURCE_DIR}/data/zicalc-launcher.in ${generated}/zicalc @ONLY)
install(PROGRAMS ${generated}/zicalc DESTINATION ${CMAKE_INSTALL_BINDIR})

# The icon is drawn as SVG; the fixed-size PNG is rendered from it.
add_custom_command(
  OUTPUT ${generated}/${ZICALC_APP_ID}.png
  COMMAND ${ZICALC_RSVG_CONVERT} -w 48 -h 48 ${PROJECT_SOURCE_DIR}/data/${ZICALC_APP_ID}.svg
          -o ${generated}/${ZICALC_APP_ID}.png
  DEPENDS ${PROJECT_SOURCE_DIR}/data/${ZICALC_APP_ID}.svg
  COMMENT "Rendering the 48 px icon")
# Debian wants its man page and changelog compressed, without a time stamp inside.
add_custom_command(
  OUTPUT ${generated}/zicalc.1.gz ${generated}/changelog.gz
  COMMAND ${ZICALC_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/data/zicalc.1 > ${generated}/zicalc.1.gz
  COMMAND ${ZICALC_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${generated}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/data/zicalc.1 ${PROJECT_SOURCE_DIR}/data/debian/changelog)
add_custom_target(zicalc_install_data ALL DEPENDS ${generated}/${ZICALC_APP_ID}.png ${generated}/zicalc.1.gz
                                                  ${generated}/changelog.gz)

install(FILES ${PROJECT_SOURCE_DIR}/data/${ZICALC_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/data/${ZICALC_APP_ID}.metainfo.xml.in ${generated}/${ZICALC_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${generated}/${ZICALC_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ZICALC_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${generated}/${ZICALC_APP_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES ${generated}/zicalc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The starter question bank, copied into the user's directory on the first start.
install(FILES ${PROJECT_SOURCE_DIR}/data/test.dat DESTINATION ${ZICALC_DATA_RELATIVE})

# The bank is GBK on purpose: that is the file format the program reads and writes.
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME zicalc)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zicalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "zicalc developers")
set(CPACK_PACKAGE_CONTACT "zicalc developers <zicalc@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion calculators for a Journey-to-the-West online game")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "zi多功能计算器 gathers what a player of a Journey-to-the-West online
role-playing game would otherwise work out by hand: experience, skill,
cultivation and guild costs, task rewards, a pet catalogue with growth tests
and an attribute simulator, an imperial-exam question bank with a timed mock
exam, reference cards, a pet-shop budget and a clock of the game's hours.
All its text is Simplified Chinese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/zicalc/zicalc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Every text is Chinese: without a CJK font the windows show empty boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-wqy-microhei, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
