# What `cmake --install` puts where. The executable gets a program folder of
# its own because the program looks for its translation file beside itself:
# that folder must be Skribano's, not bin/. A relative link puts the command
# `skribano` on the path; the desktop finds the program through its entry,
# AppStream metainfo and icons.
include(GNUInstallDirs)

set(SKRIBANO_ID org.example.skribano)
set(SKRIBANO_PROGRAMMORDNER lib/skribano)
set(SKRIBANO_ZEICHNUNG ${CMAKE_SOURCE_DIR}/resources/icons/skribano.svg)
set(SKRIBANO_ICON_GROESSEN 16 24 32 48 64 128 256)
set(SKRIBANO_PAKETDATEIEN ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS skribano RUNTIME DESTINATION ${SKRIBANO_PROGRAMMORDNER})
# A stripped install (`cmake --install --strip`, and the package) also drops
# the compiler's ident and note sections, as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SKRIBANO_PROGRAMMORDNER}/skribano\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")

# The link is relative, so it holds under any prefix and DESTDIR; the program
# resolves it and still finds its own folder.
file(MAKE_DIRECTORY ${SKRIBANO_PAKETDATEIEN})
file(CREATE_LINK ../${SKRIBANO_PROGRAMMORDNER}/skribano ${SKRIBANO_PAKETDATEIEN}/skribano SYMBOLIC)
install(FILES ${SKRIBANO_PAKETDATEIEN}/skribano DESTINATION bin)

# Shipped translations go into a folder of their own: only a file named
# skribano_translation.ini directly beside the executable is read, so they
# stay inactive and the installed program starts in German.
file(GLOB SKRIBANO_UEBERSETZUNGEN CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/translations/*.ini)
if(SKRIBANO_UEBERSETZUNGEN)
  install(FILES ${SKRIBANO_UEBERSETZUNGEN} DESTINATION ${SKRIBANO_PROGRAMMORDNER}/translations)
endif()

install(FILES packaging/${SKRIBANO_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${SKRIBANO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Every PNG size is rendered from the one drawing at build time, so the icons
# cannot drift from it.
set(SKRIBANO_ICONS)
foreach(GROESSE IN LISTS SKRIBANO_ICON_GROESSEN)
  list(APPEND SKRIBANO_ICONS ${CMAKE_BINARY_DIR}/icons/${GROESSE}x${GROESSE}/apps/${SKRIBANO_ID}.png)
endforeach()
add_custom_command(OUTPUT ${SKRIBANO_ICONS}
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/render-icons.sh ${SKRIBANO_ZEICHNUNG}
    ${CMAKE_BINARY_DIR}/icons ${SKRIBANO_ID} ${SKRIBANO_ICON_GROESSEN}
  DEPENDS ${SKRIBANO_ZEICHNUNG} ${CMAKE_SOURCE_DIR}/scripts/render-icons.sh
  COMMENT "Rendering the program's icons")
add_custom_target(skribano_icons ALL DEPENDS ${SKRIBANO_ICONS})
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${SKRIBANO_ZEICHNUNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${SKRIBANO_ID}.svg)

# Manual page, licence and change history, compressed as Debian wants them.
configure_file(packaging/skribano.1.in ${SKRIBANO_PAKETDATEIEN}/skribano.1 @ONLY)
set(SKRIBANO_GEPACKT)
foreach(DATEI IN ITEMS ${SKRIBANO_PAKETDATEIEN}/skribano.1 ${CMAKE_SOURCE_DIR}/packaging/changelog)
  get_filename_component(NAME ${DATEI} NAME)
  add_custom_command(OUTPUT ${SKRIBANO_PAKETDATEIEN}/${NAME}.gz
    COMMAND gzip -9 -n -c ${DATEI} > ${SKRIBANO_PAKETDATEIEN}/${NAME}.gz
    DEPENDS ${DATEI})
  list(APPEND SKRIBANO_GEPACKT ${SKRIBANO_PAKETDATEIEN}/${NAME}.gz)
endforeach()
add_custom_target(skribano_dokumente ALL DEPENDS ${SKRIBANO_GEPACKT})
install(FILES ${SKRIBANO_PAKETDATEIEN}/skribano.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${SKRIBANO_PAKETDATEIEN}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/skribano)
