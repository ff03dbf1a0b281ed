# Installing and packaging. `cmake --install` puts the programs, their pages, the icon in the
# theme's sizes, the menu entry, the software catalogue's metainfo and the manual pages where a
# Linux desktop expects them; `cpack -G DEB` in the build folder makes the Debian package of the
# same files. Included once, from the top-level CMakeLists.txt, after every folder.
include(GNUInstallDirs)

set(CRESCENDAR_APP_ID io.github.crescendar.Crescendar)
# Placeholders until the project has a licence file, a public home page and a maintainer
# address; the metainfo and the package take them from here.
set(CRESCENDAR_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX licence of the project")
set(CRESCENDAR_HOMEPAGE "https://crescendar.github.io/" CACHE STRING "Project home page")
set(CRESCENDAR_SCREENSHOT_URL "${CRESCENDAR_HOMEPAGE}screenshots" CACHE STRING
    "Web folder that publishes docs/screenshots (the catalogue needs web addresses)")
set(CRESCENDAR_MAINTAINER "Crescendar developers <crescendar@example.org>" CACHE STRING
    "Maintainer field of the Debian package")
# The day this version was released; change it with project(VERSION).
set(CRESCENDAR_RELEASE_DATE 2026-12-08)
# The sizes of the theme's PNG icons.
set(CRESCENDAR_ICON_SIZES 16 24 32 48 64 128 256)

set(PACKAGING_SOURCE ${CMAKE_SOURCE_DIR}/packaging)
set(PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

# The programs. (The CLI's own folder installs crescendar-cli, and crescendar-cli-qt and
# crescendar-cli-full in libexec/crescendar.)
if(TARGET crescendar)
  install(TARGETS crescendar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The help and home pages and the window icon, where the program looks for them when it is
# installed (bin/../share/crescendar), and beside them the JSON Schema of crescendar-cli --json,
# which its manual page names.
# Each page also in every language it is translated into (crescendar.de.htm).
file(GLOB SHIPPED_PAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.htm)
install(FILES ${SHIPPED_PAGES} ${CMAKE_SOURCE_DIR}/docs/crescendar-cli.schema.json
        DESTINATION ${CMAKE_INSTALL_DATADIR}/crescendar/docs)
get_property(WINDOW_ICON GLOBAL PROPERTY CRESCENDAR_ICON_FILE)
if(WINDOW_ICON)
  install(FILES ${WINDOW_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/crescendar)
endif()

# The menu entry and the metainfo that names it.
set(DESKTOP_FILE ${PACKAGING_SOURCE}/${CRESCENDAR_APP_ID}.desktop)
set(METAINFO_FILE ${PACKAGING_OUT}/${CRESCENDAR_APP_ID}.metainfo.xml)
configure_file(${PACKAGING_SOURCE}/${CRESCENDAR_APP_ID}.metainfo.xml.in ${METAINFO_FILE} @ONLY)
install(FILES ${DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The theme icons: the scalable drawing, and PNGs of the usual sizes. The PNGs come from the
# artwork generator when it provides them (global property CRESCENDAR_ICON_DIR, holding
# NxN/crescendar.png); otherwise they are rendered from the drawing with rsvg-convert.
set(ICON_SVG ${PACKAGING_SOURCE}/crescendar.svg)
install(FILES ${ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
get_property(THEME_ICON_DIR GLOBAL PROPERTY CRESCENDAR_ICON_DIR)
if(NOT THEME_ICON_DIR)
  find_program(RSVG_CONVERT rsvg-convert)
  if(RSVG_CONVERT)
    set(THEME_ICON_DIR ${PACKAGING_OUT}/icons)
    set(THEME_ICONS)
    foreach(size ${CRESCENDAR_ICON_SIZES})
      set(png ${THEME_ICON_DIR}/${size}x${size}/crescendar.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${THEME_ICON_DIR}/${size}x${size}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${ICON_SVG}
        DEPENDS ${ICON_SVG}
        COMMENT "Rendering the ${size}-pixel icon"
        VERBATIM)
      list(APPEND THEME_ICONS ${png})
    endforeach()
    add_custom_target(crescendar_theme_icons ALL DEPENDS ${THEME_ICONS})
  else()
    message(WARNING "rsvg-convert (librsvg2-bin) was not found: the PNG icons will not be "
                    "installed, only the scalable one (scripts/install-deps installs it)")
  endif()
endif()
if(THEME_ICON_DIR)
  foreach(size ${CRESCENDAR_ICON_SIZES})
    install(FILES ${THEME_ICON_DIR}/${size}x${size}/crescendar.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

# The manual pages, with the version filled in, gzipped as Debian keeps
# them (-n: no name or time stamp, so that the package is the same for the same sources).
find_program(GZIP gzip REQUIRED)
set(MAN_PAGES)
foreach(page crescendar.1 crescendar-cli.1)
  set(VERSION ${PROJECT_VERSION})
  configure_file(${CMAKE_SOURCE_DIR}/docs/man/${page} ${PACKAGING_OUT}/man/${page} @ONLY)
  add_custom_command(OUTPUT ${PACKAGING_OUT}/man/${page}.gz
    COMMAND ${GZIP} -9 -n -f -k ${PACKAGING_OUT}/man/${page}
    DEPENDS ${PACKAGING_OUT}/man/${page}
    COMMENT "Compressing the manual page ${page}"
    VERBATIM)
  list(APPEND MAN_PAGES ${PACKAGING_OUT}/man/${page}.gz)
endforeach()
add_custom_target(crescendar_man_pages ALL DEPENDS ${MAN_PAGES})
install(FILES ${MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package. Its dependencies are those of the shared libraries the programs link
# (dpkg-shlibdeps), plus what Qt loads at run time: the display plugins, the time zone
# database of the named zones and the fonts the windows are laid out with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME crescendar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Crescendar developers")
set(CPACK_PACKAGE_CONTACT ${CRESCENDAR_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "the Moon at your place and time")
# The long description, under the summary line (one string: the lines are kept as written).
set(CPACK_PACKAGE_DESCRIPTION "\
Crescendar draws the Moon's phase and gives its position, distance, age, rise, transit
and set times, the twilights, the month's phases, perigee and apogee, and lunar
eclipses, for a place chosen from a world gazetteer and its own time zone. Report
windows and printouts add a monthly times table, an eclipse finder, the equinoxes and
solstices, Easter, a calendar of daily phases, a lunar visibility chart and a wall
calendar. The command crescendar-cli gives the same answers as text or JSON.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CRESCENDAR_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CRESCENDAR_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, tzdata, fonts-liberation2")
# The help page and the home page are opened in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The checks of what is installed: the menu entry, the metainfo and the manual pages (quick),
# and the package itself (label "package": it runs CPack over the whole build, so it needs
# every target built; `ctest -LE package` skips it).
if(CRESCENDAR_TESTS)
  set(PACKAGING_TESTS ${CMAKE_SOURCE_DIR}/tests/packaging)
  add_test(NAME packaging_desktop_entry
           COMMAND bash ${PACKAGING_TESTS}/check_desktop_entry.sh ${DESKTOP_FILE})
  add_test(NAME packaging_metainfo
           COMMAND bash ${PACKAGING_TESTS}/check_metainfo.sh ${METAINFO_FILE} ${DESKTOP_FILE}
                   ${CMAKE_SOURCE_DIR}/docs/screenshots ${PROJECT_VERSION})
  if(TARGET crescendar-cli)
    add_test(NAME packaging_man_pages
             COMMAND bash ${PACKAGING_TESTS}/check_man_pages.sh $<TARGET_FILE:crescendar-cli>
                     ${PACKAGING_OUT}/man)
  endif()
  add_test(NAME packaging_deb
           COMMAND bash ${PACKAGING_TESTS}/check_package.sh ${CMAKE_BINARY_DIR} ${CRESCENDAR_APP_ID})
  set_tests_properties(packaging_deb PROPERTIES TIMEOUT 600)
  set_tests_properties(packaging_desktop_entry packaging_metainfo packaging_deb
                       PROPERTIES LABELS package)
  if(TEST packaging_man_pages)
    set_tests_properties(packaging_man_pages PROPERTIES LABELS package)
  endif()
endif()
