# Install rules and the Debian package. Included from the top-level CMakeLists.txt.
#   cmake --install build --prefix /some/prefix      installs the game
#   cmake --build build --target package             builds build/reedjumper_<version>_<arch>.deb
include(GNUInstallDirs)

set(RJ_APP_ID "org.example.reedjumper" CACHE STRING "AppStream id of the game (reverse domain of its publisher)")
set(RJ_HOMEPAGE "https://reedjumper.example.org" CACHE STRING "Home page; the screenshot is published below it")
set(RJ_INSTALL_DATA_SUBDIR ${CMAKE_INSTALL_DATADIR}/reedjumper)

# The game looks for its data in the install folder last (after beside itself and ../share).
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/app/Entry.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  RJ_VERSION="${PROJECT_VERSION}"
  RJ_INSTALL_DATADIR="${CMAKE_INSTALL_FULL_DATADIR}/reedjumper")

set(RJ_DIST_DIR ${CMAKE_BINARY_DIR}/dist)

# Icons, drawn from the frog by the picture generator.
if(TARGET rjartgen)
  add_custom_command(OUTPUT ${RJ_DIST_DIR}/icons/scalable/apps/reedjumper.svg
    COMMAND ${CMAKE_COMMAND} -E make_directory ${RJ_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${RJ_DIST_DIR}/icons
    COMMAND rjartgen --icons ${RJ_DIST_DIR}/icons
    DEPENDS rjartgen
    COMMENT "Drawing the desktop icons")
  add_custom_target(appicons ALL DEPENDS ${RJ_DIST_DIR}/icons/scalable/apps/reedjumper.svg)
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/reedjumper.metainfo.xml.in ${RJ_DIST_DIR}/${RJ_APP_ID}.metainfo.xml @ONLY)

if(TARGET reedjumper)
  install(TARGETS reedjumper RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${RJ_PACK_DIR}/ReedJumper.dat DESTINATION ${RJ_INSTALL_DATA_SUBDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/reedjumper.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${RJ_DIST_DIR}/${RJ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/reedjumper.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(DIRECTORY ${RJ_DIST_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The screenshot of the metainfo: the installed game's own runner plays into the first road and
# keeps the frame; it is installed beside the data for publishing under the home page.
install(CODE "
  execute_process(COMMAND ${CMAKE_COMMAND}
    -DGAME=$<TARGET_FILE:reedjumper> -DDATA=${RJ_DATA_DIR} -DOUT=${RJ_DIST_DIR}
    -P ${CMAKE_CURRENT_LIST_DIR}/Screenshot.cmake
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR \"the screenshot could not be taken\")
  endif()")
install(FILES ${RJ_DIST_DIR}/reedjumper-play.png DESTINATION ${RJ_INSTALL_DATA_SUBDIR}/screenshots)

# Installing into a temporary prefix and playing from there.
add_test(NAME install_to_prefix COMMAND sh ${PROJECT_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(install_to_prefix PROPERTIES TIMEOUT 600)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reedjumper)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Reedjumper developers <reedjumper@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hop a frog across roads and rivers to its lily")
set(CPACK_PACKAGE_DESCRIPTION "A frog hops upwards across road lanes and river lanes to a goal lily, against the
clock, while insects fly by. Five scrolling levels, lives and bonus lives, a high-score table;
keyboard, mouse and gamepad, in a window or full screen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${RJ_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
include(CPack)
