# The installed program's identity, and `make package`: a Debian package of
# what `cmake --install` puts under /usr. Its dependencies are worked out by
# dpkg-shlibdeps from the libraries the program links; only what no library
# names is recommended by hand: the fonts that stand in for Arial with the
# same metrics, and the opener of web pages and files.

# One reverse-DNS name for the desktop entry, the metadata and the icon.
set(FIXTORA_APP_ID org.fixtora.Fixtora)
# The web address and the contact are the program's own constants.
foreach(constant WebAddress SupportEmail)
  file(STRINGS ${PROJECT_SOURCE_DIR}/src/platform/appinfo.h line REGEX "k${constant} = ")
  string(REGEX REPLACE ".*\"(.*)\".*" "\\1" FIXTORA_${constant} "${line}")
endforeach()

# The package's version is its changelog's latest: the program's version and
# a Debian revision.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog latest LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
if(NOT latest MATCHES "^fixtora \\(${version_pattern}-([0-9]+)\\) ")
  message(FATAL_ERROR "packaging/changelog: its latest entry is not for Fixtora ${PROJECT_VERSION}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fixtora)
set(CPACK_PACKAGE_VENDOR Fixtora)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "league and tournament manager for club organisers")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Fixtora keeps a club league for its organiser (pool, darts, snooker, football"
  "and the like): round-robin leagues of 4 to 32 players or teams with dated"
  "rounds, scores per fixture or per player, the league table printed, saved as"
  "a web page or uploaded, and knock-out tournament charts of 4 to 64 entrants.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Fixtora <${FIXTORA_SupportEmail}>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${FIXTORA_WebAddress})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, xdg-utils")
include(CPack)
