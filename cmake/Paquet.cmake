# The Debian package, written by CPack from the install rules:
#   cpack -G DEB   (scripts/package.sh builds a Release copy and runs it)
# dpkg-shlibdeps computes the libraries the binaries link. What they open
# only at run time it cannot see, so it is named here: espeak-ng, which the
# engine library opens by path, and its voice data; the fonts the windows ask
# for; Qt's platform plugins and the SQLite driver that keeps the learner's
# history; Qt Charts for the report's chart.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trimbol)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Trimbol developers")
set(CPACK_PACKAGE_CONTACT "Trimbol developers <dev@trimbol.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-wayland: on a Wayland desktop the program runs as a Wayland client
# rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libespeak-ng1 (>= 1.49), espeak-ng-data, fonts-crosextra-carlito, fonts-open-sans, fonts-comic-neue, fonts-dejavu-core, qt6-qpa-plugins, libqt6sql6-sqlite, libqt6charts6, qt6-wayland")
# Without a running speech service its engine is simply absent; with it and
# its espeak-ng module, the voice list gains the desktop's Catalan and
# Spanish voices. flite is not wanted: it speaks only English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "speech-dispatcher, speech-dispatcher-espeak-ng, xdg-utils, festvox-ca-ona-hts")
# xdg-utils hands the help pages' web addresses to the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"arithmetic drill for learners with disabilities
Trimbol asks one operation at a time, takes the answer from a large
on-screen keypad or the keyboard, says whether it is right and counts
questions and correct answers: addition, subtraction, multiplication and
division tables, and sums and products of signed numbers.
.
Questions and results can be read aloud in Catalan or Spanish, the keypad
can be driven with one or two switches, and two timed games are included.
The interface is in Catalan and Spanish.")

# The engine library's folder is private, so the ldconfig calls CPack would
# add are taken out again; the package has no maintainer scripts.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/SenseLdconfig.cmake)

include(CPack)
