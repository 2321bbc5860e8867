# Velmora as desktop software: `cmake --install` lays out a program folder
# under lib/velmora with a launcher on bin, the menu entry, the icons and the
# AppStream metadata; `cpack` (make package) turns that into a Debian package.
# Only the program, its sound module and its data files are installed,
# never velmora-cli, the tools or the tests.

# The component's identity and web address for the software centres. The
# screenshot is made by the build and installed; AppStream only takes a web
# address for it, so it is meant to be published under the web address too.
set(VELMORA_APP_ID "org.velmora.velmora" CACHE STRING "AppStream identity of the program")
set(VELMORA_WEB_ADDRESS "https://velmora.example.org" CACHE STRING
  "Web home, without a final slash; the screenshot is published under <address>/screenshots/")
set(VELMORA_MAINTAINER "The Velmora developers <velmora@example.org>" CACHE STRING
  "Maintainer named by the Debian package")

# The program folder stays together: the program finds its data files
# beside the executable (through /proc/self/exe, which resolves the launcher
# link).
set(VELMORA_INSTALL_FOLDER lib/velmora)

# The icon tool is only needed for installing.
add_subdirectory(tools/appicon ${CMAKE_BINARY_DIR}/tools/appicon)

# The table as the window shows it, dealt by the program itself: a fixed
# game (Pyramid fills the table well) and deal, so every build makes the
# same picture, 16:9 as software centres prefer.
set(VELMORA_SCREENSHOT_NAME table.png)
set(VELMORA_SCREENSHOT_WIDTH 800)
set(VELMORA_SCREENSHOT_HEIGHT 450)
set(VELMORA_SCREENSHOT ${CMAKE_BINARY_DIR}/screenshots/${VELMORA_SCREENSHOT_NAME})
add_custom_command(
  OUTPUT ${VELMORA_SCREENSHOT}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/screenshots
  COMMAND ${CMAKE_COMMAND} -DDRIVER=$<TARGET_FILE:velmora-cli> -DGAME=6 -DDEAL=1
          -DWIDTH=${VELMORA_SCREENSHOT_WIDTH} -DHEIGHT=${VELMORA_SCREENSHOT_HEIGHT}
          -DOUTPUT=${VELMORA_SCREENSHOT}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/Screenshot.cmake
  DEPENDS velmora-cli ${VELMORA_PROGRAM_DIR}/QOR.RGF ${VELMORA_PROGRAM_DIR}/GAMES.DAT
          ${CMAKE_CURRENT_SOURCE_DIR}/cmake/Screenshot.cmake
  COMMENT "Drawing the screenshot of a dealt table"
  VERBATIM)
add_custom_target(velmora_screenshot ALL DEPENDS ${VELMORA_SCREENSHOT})
add_dependencies(velmora_screenshot velmora_resources velmora_games_dat)

configure_file(data/desktop/velmora.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/desktop/${VELMORA_APP_ID}.metainfo.xml @ONLY)

# The launcher: a relative link, so the installed tree can move as a whole.
file(CREATE_LINK ../${VELMORA_INSTALL_FOLDER}/velmora ${CMAKE_BINARY_DIR}/desktop/velmora SYMBOLIC)

# The mark of an installed copy: its player files go to each player's own
# data folder, also for root, who could write into the program folder.
file(WRITE ${CMAKE_BINARY_DIR}/desktop/velmora.installed
  "An installed copy: the player's files are kept in the player's own data folder.\n")

install(TARGETS velmora RUNTIME DESTINATION ${VELMORA_INSTALL_FOLDER})
# The sound output, loaded from beside the program when a sound plays.
install(TARGETS velmora_sound LIBRARY DESTINATION ${VELMORA_INSTALL_FOLDER})
install(FILES ${CMAKE_BINARY_DIR}/desktop/velmora.installed DESTINATION ${VELMORA_INSTALL_FOLDER})
install(FILES ${VELMORA_PROGRAM_DIR}/GAMES.DAT ${VELMORA_PROGRAM_DIR}/QOR.RGF
  ${VELMORA_PROGRAM_DIR}/tabloria.hlp DESTINATION ${VELMORA_INSTALL_FOLDER})
install(FILES ${CMAKE_BINARY_DIR}/desktop/velmora DESTINATION bin)
install(FILES data/desktop/velmora.desktop DESTINATION share/applications)
install(DIRECTORY ${VELMORA_ICON_THEME_DIR}/ DESTINATION share/icons/hicolor)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${VELMORA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${VELMORA_SCREENSHOT} DESTINATION share/velmora/screenshots)
# The licence asks for its notice to travel with every copy.
install(FILES LICENSE DESTINATION share/doc/velmora RENAME copyright)

# The Debian package: velmora_<version>_<arch>.deb, installing under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solitaire card games")
set(CPACK_PACKAGE_DESCRIPTION "\
Velmora is a collection of solitaire (patience) card games for the desktop.
Choose a game from its catalogue, and the program deals a numbered deal onto
a table of piles; move the cards with the mouse until every card has gone
home. Moves can be undone, and the rules of each game are one click away.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The cards drawn at the table's own size letter their indices in DejaVu,
# read from its files at run time (shlibdeps cannot see that).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)

# The installed program on a virtual display, as a player without write
# access to its folder would run it: its data must go to the player's own
# data folder.
add_test(NAME install.runs_from_its_prefix
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/install-check.sh ${CMAKE_BINARY_DIR})
# 77: a validator or the display server is missing. One display at a time.
set_tests_properties(install.runs_from_its_prefix PROPERTIES
  SKIP_RETURN_CODE 77 TIMEOUT 120 RUN_SERIAL TRUE)
