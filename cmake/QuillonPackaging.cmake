# The Debian package "quillon" (cpack -G DEB, or `make deb`): everything `cmake --install`
# puts under the prefix. dpkg-shlibdeps derives the library dependencies from the binaries
# (libbrisca is the package's own, found in the build's bin folder); what the program uses
# without linking it is recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillon Fennick")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "records what the computer plays, the microphone, or both")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillon Audio Recorder records the sound the computer plays (the monitor of the default
output), the default microphone, or both mixed into one file, in a format chosen from a
catalogue of formats. Recordings start by hand or on a schedule, split at silences, and are
kept in a searchable history with playlists. The package holds the window
(quillon-audio-recorder) and the command-line tool (quillon).")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillon Fennick <packages@quillonfennick.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${QUILLON_BIN_DIR})
# The engine loads libavfilter when it first builds a filter chain and SQLite when it first
# opens the catalogue (dlopen), which dpkg-shlibdeps cannot see in the binaries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libavfilter8, libsqlite3-0")
# A sound server to record from; a font for the Chinese and Japanese interface; Qt's own
# dialogs in the interface language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pulseaudio | pipewire-pulse, fonts-noto-cjk, qttranslations5-l10n")
include(CPack)
