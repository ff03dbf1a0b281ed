# The fonts that the tests and the build-time artwork see: a folder of the build tree with
# links to the font files that scripts/install-deps installs, and a fontconfig file that
# names only that folder (tests/fonts/fonts.conf.in). A program run with
# FONTCONFIG_FILE=${CRESCENDAR_FONTCONFIG_FILE} draws the same pixels on every machine,
# whatever other fonts it has.

set(CRESCENDAR_FONTS_DIR ${CMAKE_BINARY_DIR}/fonts)
set(CRESCENDAR_FONTCONFIG_FILE ${CRESCENDAR_FONTS_DIR}/fonts.conf)

set(font_files)
file(GLOB liberation /usr/share/fonts/truetype/liberation2/Liberation*.ttf)
list(APPEND font_files ${liberation})
# fonts-dejavu-core's six files; the same folder may also hold fonts-dejavu-extra's.
foreach(name DejaVuSans DejaVuSans-Bold DejaVuSansMono DejaVuSansMono-Bold DejaVuSerif
             DejaVuSerif-Bold)
  if(EXISTS /usr/share/fonts/truetype/dejavu/${name}.ttf)
    list(APPEND font_files /usr/share/fonts/truetype/dejavu/${name}.ttf)
  endif()
endforeach()
list(LENGTH font_files font_count)
if(font_count LESS 18)
  message(WARNING "Only ${font_count} of the 18 test fonts were found: run scripts/install-deps "
                  "(fonts-liberation2, fonts-dejavu-core), or the picture tests will fail.")
endif()

file(REMOVE_RECURSE ${CRESCENDAR_FONTS_DIR})
file(MAKE_DIRECTORY ${CRESCENDAR_FONTS_DIR})
foreach(font IN LISTS font_files)
  get_filename_component(name ${font} NAME)
  file(CREATE_LINK ${font} ${CRESCENDAR_FONTS_DIR}/${name} SYMBOLIC)
endforeach()

# Debian's default rules (hinting, antialiasing, the metric aliases that give "Arial" and
# "Times New Roman" the Liberation faces, the generic families), without the user's and the
# machine's local files and without rules for fonts that are not in the folder.
set(CRESCENDAR_FONT_RULES)
foreach(rule 10-hinting-slight 10-scale-bitmap-fonts 10-yes-antialias 11-lcdfilter-default
             20-unhint-small-dejavu-sans-mono 20-unhint-small-dejavu-sans
             20-unhint-small-dejavu-serif 30-metric-aliases 40-nonlatin 45-generic 45-latin
             48-spacing 49-sansserif 57-dejavu-sans-mono 57-dejavu-sans 57-dejavu-serif
             60-generic 60-latin 65-nonlatin 70-no-bitmaps 90-synthetic)
  string(APPEND CRESCENDAR_FONT_RULES
         "  <include ignore_missing=\"yes\">/usr/share/fontconfig/conf.avail/${rule}.conf</include>\n")
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/tests/fonts/fonts.conf.in ${CRESCENDAR_FONTCONFIG_FILE} @ONLY)
