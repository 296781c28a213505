# `make package`: a Debian package of what cmake/Install.cmake installs,
# mirel_VERSION_ARCH.deb, its Depends worked out by dpkg-shlibdeps from the
# libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Mirel developers")
set(CPACK_PACKAGE_CONTACT ${MIREL_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for photographers")
set(CPACK_PACKAGE_DESCRIPTION
  "Mirel works out the optical and exposure figures a photographer needs when
choosing lens, aperture and focus: f-numbers and stops, depth of field,
hyperfocal distance, field of view, angle of view, magnification and
spot-meter angles. Every result is worked out again as you type, in
millimetres, centimetres, metres, inches or feet, for ten built-in film
formats or your camera chosen by name from lensfun's database. A depth of
field table, printed as a card if you like, a focus planner and a circle of
confusion chosen for the print or the pixels work beside the pages;
mirel-calc gives the same results on the command line. A Qt 6 desktop
application with a launcher entry, in-window help and manual pages.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs link lensfun's library to read lensfun's camera database,
# which dpkg-shlibdeps cannot know of: liblensfun-data-v1 is a dependency
# of its own (scripts/check-package holds to it). Under a German, French or
# Spanish desktop mirel loads Qt's own translations (its buttons, the print
# and file dialogs) from qt6-translations-l10n at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "liblensfun-data-v1, qt6-translations-l10n")
# Qt picks the Wayland platform where it is installed, else runs through
# XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
