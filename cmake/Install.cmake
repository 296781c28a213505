# What `cmake --install` puts where: GNUInstallDirs under CMAKE_INSTALL_PREFIX,
# and DESTDIR honoured. The Debian package (cmake/Package.cmake) ships the
# same files.
include(GNUInstallDirs)

set(MIREL_DESKTOP_OUTPUT ${PROJECT_BINARY_DIR}/desktop)
set(MIREL_COMPLETION_OUTPUT ${PROJECT_BINARY_DIR}/cli/completion)
set(MIREL_DOC_OUTPUT ${PROJECT_BINARY_DIR}/doc)

# FILE.gz made beside FILE at build time with gzip -9n, as Debian wants
# manual pages and changelogs: as small as gzip makes them, and with no name
# or time stamp inside that would make two builds of one source differ.
function(mirel_gzip file)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${file}.gz
    COMMAND gzip -9nkf ${file}
    DEPENDS ${file}
    COMMENT "Compressing ${name}"
    VERBATIM)
  add_custom_target(gzip_${name} ALL DEPENDS ${file}.gz)
endfunction()

# A program's manual page, made from desktop/NAME.SECTION.in with the
# project's version and release date.
function(mirel_install_man_page name section)
  set(page ${MIREL_DESKTOP_OUTPUT}/${name}.${section})
  configure_file(${PROJECT_SOURCE_DIR}/desktop/${name}.${section}.in ${page} @ONLY)
  mirel_gzip(${page})
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()

# The programs, and a manual page for each.
install(TARGETS mirel mirel-calc)
mirel_install_man_page(mirel 1)
mirel_install_man_page(mirel-calc 1)

# mirel-calc's shell completion, where bash-completion, zsh and fish look for
# the completion of a command packaged with the system.
install(FILES ${MIREL_COMPLETION_OUTPUT}/mirel-calc DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${MIREL_COMPLETION_OUTPUT}/_mirel-calc DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${MIREL_COMPLETION_OUTPUT}/mirel-calc.fish DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)

# The desktop entry, the software-centre metainfo and the icon theme's icons,
# all named by the application id.
install(FILES ${MIREL_DESKTOP_OUTPUT}/${MIREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MIREL_DESKTOP_OUTPUT}/${MIREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MIREL_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${MIREL_APP_ID}.svg)
foreach(size IN LISTS MIREL_ICON_SIZES)
  install(FILES ${MIREL_DESKTOP_OUTPUT}/icons/mirel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${MIREL_APP_ID}.png)
endforeach()

# The copyright file in Debian's machine-readable form. Mirel's licence, the
# GPL, is named there, not copied: Debian keeps its text in
# /usr/share/common-licenses.
configure_file(cmake/debian/copyright.in ${MIREL_DOC_OUTPUT}/copyright @ONLY)

# The changelog, in Debian's form: the package is made here, from this
# source, so its changelog and the program's are one.
configure_file(cmake/debian/changelog ${MIREL_DOC_OUTPUT}/changelog COPYONLY)
mirel_gzip(${MIREL_DOC_OUTPUT}/changelog)

install(FILES README.md ${MIREL_DOC_OUTPUT}/copyright ${MIREL_DOC_OUTPUT}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mirel)
