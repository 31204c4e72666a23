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
#   share/prismara/help/                 the help pages, for the program's help window
#   share/doc/prismara/html              a link to them (a system may leave share/doc out)
#   share/doc/prismara/copyright, changelog.gz
#   share/man/man1/prismara.1.gz
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

# The changelog and the manual page, compressed as Debian wants them (gzip -9n: no name or time in
# the header, so the same text always gives the same file).
find_program(PRISMARA_GZIP gzip REQUIRED)
configure_file("${PROJECT_SOURCE_DIR}/data/debian/changelog.in" "${CMAKE_BINARY_DIR}/changelog" @ONLY)
function(prismara_gzip source target)
  string(REGEX REPLACE "\\.gz$" "" plain "${PRISMARA_SHARE_DIR}/${target}")
  add_custom_command(OUTPUT "${PRISMARA_SHARE_DIR}/${target}"
    COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${plain}"
    COMMAND "${PRISMARA_GZIP}" -9nf "${plain}"
    DEPENDS "${source}" VERBATIM)
endfunction()
prismara_gzip("${CMAKE_BINARY_DIR}/changelog" doc/prismara/changelog.gz)
prismara_gzip("${PROJECT_SOURCE_DIR}/data/man/prismara.1" man/man1/prismara.1.gz)
add_custom_target(prismara_docs ALL DEPENDS
  "${PRISMARA_SHARE_DIR}/doc/prismara/changelog.gz" "${PRISMARA_SHARE_DIR}/man/man1/prismara.1.gz")

# Folders made by the installation are rwxr-xr-x whatever the umask (a package needs them so).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS prismara RUNTIME DESTINATION bin)
install(FILES ${PRISMARA_DATA_FILES} DESTINATION share/prismara)
# help.chm is missing when chmcmd was not found at configure time.
install(FILES "${PRISMARA_BIN_DIR}/help.chm" DESTINATION share/prismara OPTIONAL)
install(FILES "${PRISMARA_SHARE_DIR}/applications/prismara.desktop" DESTINATION share/applications)
install(FILES "${PRISMARA_SHARE_DIR}/metainfo/${PRISMARA_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
install(DIRECTORY "${PRISMARA_SHARE_DIR}/icons/" DESTINATION share/icons)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/help/" DESTINATION share/prismara/help
  FILES_MATCHING PATTERN "*.html" PATTERN "*.css" PATTERN "*.png" PATTERN "*.hhc")
install(CODE [[
  set(html "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/doc/prismara/html")
  message(STATUS "Installing: ${html} -> ../../prismara/help")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/doc/prismara")
  file(REMOVE_RECURSE "${html}")
  file(CREATE_LINK ../../prismara/help "${html}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${html}")
]])
install(FILES "${PROJECT_SOURCE_DIR}/data/debian/copyright" "${PRISMARA_SHARE_DIR}/doc/prismara/changelog.gz"
  DESTINATION share/doc/prismara)
install(FILES "${PRISMARA_SHARE_DIR}/man/man1/prismara.1.gz" DESTINATION share/man/man1)
