# Precompiled headers: the standard, Qt and GoogleTest headers that nearly every source of a
# kind includes, compiled once for each kind and set of flags in a small host library and
# reused by every target of that kind (target_precompile_headers REUSE_FROM). -Winvalid-pch
# makes a header that cannot be reused (other flags) an error rather than a silent slow build.

option(CRESCENDAR_PCH "Precompile the headers that most sources include" ON)
if(CRESCENDAR_PCH)
  # Qt asks its users for -fPIC; with it everywhere, a header precompiled for a Qt target
  # serves a target without Qt as well.
  add_compile_options(-Winvalid-pch -fPIC)
endif()

# The test programs' own sources are compiled at -O1: the code under test keeps the build's
# optimisation, and a test's own code compiles in about two thirds of the time.
set(CRESCENDAR_TEST_COMPILE_FLAGS -O1)

# The windows and their libraries.
set(CRESCENDAR_PCH_WIDGETS <algorithm> <cmath> <functional> <memory> <string> <vector>
    <QApplication> <QClipboard> <QColor> <QDateTime> <QDir> <QFile> <QFileInfo> <QImage>
    <QKeyEvent> <QLineEdit> <QMouseEvent> <QPainter> <QString> <QTimer> <QWidget>)
# The tests without windows.
set(CRESCENDAR_PCH_TESTS <gtest/gtest.h> <algorithm> <cmath> <string> <vector>)
# The window tests. <QTest> stays out: it reads QT_TESTCASE_BUILDDIR, which Qt defines anew
# for every folder.
set(CRESCENDAR_PCH_WINDOW_TESTS ${CRESCENDAR_PCH_WIDGETS} <gtest/gtest.h> <QTemporaryDir>)

# crescendar_pch_host(NAME HEADERS FLAGS LIBRARIES...): the host library NAME, compiled with
# FLAGS and the usage requirements of LIBRARIES, holds the precompiled HEADERS.
function(crescendar_pch_host name headers flags)
  if(NOT CRESCENDAR_PCH)
    return()
  endif()
  set(source ${CMAKE_BINARY_DIR}/pch/${name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// The precompiled headers of ${name}.\n")
  add_library(${name} STATIC ${source})
  target_link_libraries(${name} PRIVATE ${ARGN})
  target_compile_options(${name} PRIVATE ${flags})
  target_precompile_headers(${name} PRIVATE ${headers})
endfunction()

# crescendar_use_pch(TARGET HOST): TARGET's sources start from HOST's precompiled headers.
function(crescendar_use_pch target host)
  if(CRESCENDAR_PCH)
    target_precompile_headers(${target} REUSE_FROM ${host})
  endif()
endfunction()
