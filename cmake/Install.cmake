# What `cmake --install` puts where: both programs, the desktop entry, the icon in every
# size of the hicolor theme, the AppStream data, the manual pages and the copyright.
include(GNUInstallDirs)

set(SHRINK4_HOMEPAGE "https://shrink4.example.org" CACHE STRING
    "Project home page, named in the AppStream data (its screenshots are under it)")
# The day this version was released, for the AppStream data: change it with project(VERSION).
set(SHRINK4_RELEASE_DATE "2026-12-07")

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_generated ${PROJECT_BINARY_DIR}/data)

install(TARGETS shrink4-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET shrink4)
  install(TARGETS shrink4 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  configure_file(${_data}/shrink4.desktop.in ${_generated}/${SHRINK4_APP_ID}.desktop @ONLY)
  configure_file(${_data}/shrink4.metainfo.xml.in ${_generated}/${SHRINK4_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${_generated}/${SHRINK4_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_generated}/${SHRINK4_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  install(FILES ${_data}/icons/shrink4.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${SHRINK4_APP_ID}.svg)
  foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    install(FILES ${_data}/icons/png/${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${SHRINK4_APP_ID}.png)
  endforeach()

  # The guide is compiled into the program; its pages are also kept to read in a browser.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/ui/guide/pages/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/shrink4/guide)
endif()

# Manual pages, compressed as Debian keeps them.
foreach(page IN ITEMS shrink4-cli shrink4)
  if(page STREQUAL "shrink4" AND NOT TARGET shrink4)
    continue()
  endif()
  configure_file(${_data}/${page}.1.in ${_generated}/${page}.1 @ONLY)
  file(ARCHIVE_CREATE OUTPUT ${_generated}/${page}.1.gz PATHS ${_generated}/${page}.1 FORMAT raw COMPRESSION GZip MTIME 0)
  install(FILES ${_generated}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES ${_data}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/shrink4)
