# Desktop integration and installation.
#
# The build tree gets a share/ folder beside bin/ with the desktop entry, the AppStream metainfo and
# the icons, laid out as they are installed; the program looks for its icon in <exe>/../share/icons,
# so a build shows the same icon as an installation.
#
# `cmake --install <build> --prefix <prefix>` lays out:
#   bin/prismara
#   share/prismara/                      the data files and help.chm (copied for each user at the first start)
#   share/applications/prismara.desktop
#   share/metainfo/io.github.prismara.prismara.metainfo.xml
#   share/icons/hicolor/<n>x<n>/apps/prismara.png, share/icons/hicolor/scalable/apps/prismara.svg
#   share/doc/prismara/html/             the help pages
# The folder names are fixed (bin, share) because the program finds its data as <exe>/../share/prismara.

set(PRISMARA_SHARE_DIR "${CMAKE_BINARY_DIR}/share")
set(PRISMARA_APP_ID "io.github.prismara.prismara")
set(PRISMARA_ICON_SIZES 16 32 48 64 128 256)

# The home page is kept in src/core/app/appinfo.h alone; the metainfo takes it from there.
set(_appinfo "${PROJECT_SOURCE_DIR}/src/core/app/appinfo.h")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_appinfo}")
file(STRINGS "${_appinfo}" _homepage_line REGEX "kHomePage *= *\"")
string(REGEX REPLACE ".*kHomePage *= *\"([^\"]*)\".*" "\\1" PRISMARA_HOME_PAGE "${_homepage_line}")
if(NOT PRISMARA_HOME_PAGE MATCHES "^https?://")
  message(FATAL_ERROR "could not read kHomePage from ${_appinfo}")
endif()

configure_file("${PROJECT_SOURCE_DIR}/data/desktop/prismara.desktop"
  "${PRISMARA_SHARE_DIR}/applications/prismara.desktop" COPYONLY)
configure_file("${PROJECT_SOURCE_DIR}/data/desktop/${PRISMARA_APP_ID}.metainfo.xml.in"
  "${PRISMARA_SHARE_DIR}/metainfo/${PRISMARA_APP_ID}.metainfo.xml" @ONLY)
foreach(size ${PRISMARA_ICON_SIZES})
  configure_file("${PROJECT_SOURCE_DIR}/data/icons/${size}x${size}/prismara.png"
    "${PRISMARA_SHARE_DIR}/icons/hicolor/${size}x${size}/apps/prismara.png" COPYONLY)
endforeach()
configure_file("${PROJECT_SOURCE_DIR}/data/icons/prismara.svg"
  "${PRISMARA_SHARE_DIR}/icons/hicolor/scalable/apps/prismara.svg" COPYONLY)

install(TARGETS prismara RUNTIME DESTINATION bin)
install(FILES ${PRISMARA_DATA_FILES} DESTINATION share/prismara)
# help.chm is missing when chmcmd was not found at configure time.
install(FILES "${PRISMARA_BIN_DIR}/help.chm" DESTINATION share/prismara OPTIONAL)
install(FILES "${PRISMARA_SHARE_DIR}/applications/prismara.desktop" DESTINATION share/applications)
install(FILES "${PRISMARA_SHARE_DIR}/metainfo/${PRISMARA_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
install(DIRECTORY "${PRISMARA_SHARE_DIR}/icons/" DESTINATION share/icons)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/help/" DESTINATION share/doc/prismara/html
  FILES_MATCHING PATTERN "*.html" PATTERN "*.css" PATTERN "*.png")
