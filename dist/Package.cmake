# The Debian package: `cpack -G DEB` in the build folder, once the programs
# are built, writes korvan_VERSION_ARCH.deb. Its dependencies are those of the
# binaries (dpkg-shlibdeps) and the pieces Qt and the trainer load at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pavel Sedov")
set(CPACK_PACKAGE_CONTACT "Pavel Sedov <pavel.sedov@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "trainer for translating sentences between Russian and English")
# The summary above is the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Korvan drills a pupil in translating sentences between Russian and English.
It shows and plays the source sentence, gives a thinking time from its word
count, records the spoken (or takes the typed) answer, reveals the reference
translation, and the pupil judges the answer. Mistakes come back; a run ends
with points, a grade and a log a teacher reads.
.
The package holds the trainer, the lesson tool korvan-lesson and sample
lessons with recordings.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://korvan.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded, not linked: Qt's X11 platform plugin is in libqt6gui6; sound goes
# through GStreamer (WAV: wavparse in -good, MP3: mpg123 in -good, playback
# and conversion in -base); the panes' faces need Liberation and DejaVu.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-dejavu-core, fonts-liberation")
# Help documents and templates are opened by the desktop's own applications.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-qpa-plugins")
# Installed through DESTDIR into the prefix /usr, so that the desktop entry
# names the program by its final path, not the staging one.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
