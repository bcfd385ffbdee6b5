# Installing to any prefix: the program with img/ and snd/ beside it in
# lib/vantrel, a launcher in bin, the desktop entry, the icon in the hicolor
# sizes and the AppStream metainfo. The installed tree is never written to:
# the settings then live in the user's configuration folder.
include(GNUInstallDirs)
set(VANTREL_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/vantrel)

install(TARGETS vantrel RUNTIME DESTINATION ${VANTREL_INSTALL_PROGRAM_DIR})
if(VANTREL_BUILD_ASSETS)
  install(DIRECTORY ${VANTREL_RUNTIME_DIR}/img ${VANTREL_RUNTIME_DIR}/snd
          DESTINATION ${VANTREL_INSTALL_PROGRAM_DIR})
  foreach(size 16 32 48 64 128 256)
    install(FILES ${VANTREL_RUNTIME_DIR}/icons/vantrel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME org.vantrel.Vantrel.png OPTIONAL)
  endforeach()
endif()

# The launcher finds the program relative to itself, so the prefix can move.
file(WRITE ${CMAKE_BINARY_DIR}/launcher/vantrel
"#!/bin/sh\nexec \"$(dirname \"$(readlink -f \"$0\")\")/../${VANTREL_INSTALL_PROGRAM_DIR}/vantrel\" \"$@\"\n")
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/vantrel DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/org.vantrel.Vantrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/org.vantrel.Vantrel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
