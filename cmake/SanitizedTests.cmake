# The engine, settings, session and window tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer: each of our libraries compiled once more with the sanitizers
# (<name>_san), and one test program, sanitized_tests, made of the sources of every one of
# those test programs and linked to the sanitized libraries. CTest runs it in shards
# (sanitized_tests_1..4, label "sanitized"), offscreen. The artwork (crescendar_resources),
# the gazetteer and the calendar export are shared with the plain build. Leaks inside
# third-party libraries are suppressed by tests/lsan.supp; a leak in our code fails the test.
#
# Included from the top-level CMakeLists.txt after every folder, with SANITIZE_FLAGS set.

# Under the sanitizers the windows and the tests are compiled without optimisation, in about
# half the time of -O1; the engine, where the tests spend their time, at -O1. Line tables
# (-g1) are all the sanitizers' stack traces read.
set(SANITIZE_COMPILE_FLAGS ${SANITIZE_FLAGS} -O0 -g1)

crescendar_engine(crescendar_engine_san)
target_compile_options(crescendar_engine_san PRIVATE ${SANITIZE_FLAGS} -O1 -g1)
crescendar_settings(crescendar_settings_san crescendar_engine_san)
target_compile_options(crescendar_settings_san PRIVATE ${SANITIZE_COMPILE_FLAGS})

crescendar_pch_host(crescendar_pch_widgets_san "${CRESCENDAR_PCH_WIDGETS}"
                    "${SANITIZE_COMPILE_FLAGS}" Qt6::Widgets Qt6::PrintSupport)
crescendar_pch_host(crescendar_pch_window_tests_san "${CRESCENDAR_PCH_WINDOW_TESTS}"
                    "${SANITIZE_COMPILE_FLAGS}" Qt6::Widgets Qt6::PrintSupport GTest::gtest)

# The names of the targets that have a sanitized copy (<name>_san).
set(CRESCENDAR_SANITIZED crescendar_engine crescendar_settings)

# crescendar_sanitized_copy(COPY ORIGINAL...): builds the sources of the ORIGINAL libraries or
# programs again as COPY, with the sanitizers: their include folders, definitions, moc and
# output folder, linked to the sanitized copies of the libraries and programs of ours that
# they use, from the sanitized twin of their precompiled headers. Several test programs make
# one (their own entries give way to the shared one, added by the caller).
function(crescendar_sanitized_copy copy)
  set(sources)
  set(type)
  foreach(original IN LISTS ARGN)
    get_target_property(type ${original} TYPE)
    get_target_property(dir ${original} SOURCE_DIR)
    get_target_property(own ${original} SOURCES)
    list(TRANSFORM own PREPEND ${dir}/ REGEX "^[^/]")
    list(APPEND sources ${own})
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/tests/common/[A-Za-z]+Main\\.cpp$")
  list(REMOVE_DUPLICATES sources)

  if(type STREQUAL "STATIC_LIBRARY")
    add_library(${copy} STATIC ${sources})
  else()
    add_executable(${copy} ${sources})
    target_link_options(${copy} PRIVATE ${SANITIZE_FLAGS})
  endif()
  target_compile_options(${copy} PRIVATE ${SANITIZE_COMPILE_FLAGS})

  foreach(original IN LISTS ARGN)
    foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES COMPILE_DEFINITIONS)
      get_target_property(value ${original} ${property})
      if(value)
        # A path to one of our programs (a definition) names its sanitized copy.
        foreach(name IN LISTS CRESCENDAR_SANITIZED)
          string(REPLACE "TARGET_FILE:${name}>" "TARGET_FILE:${name}_san>" value "${value}")
        endforeach()
        set_property(TARGET ${copy} APPEND PROPERTY ${property} "${value}")
      endif()
    endforeach()
    foreach(property AUTOMOC RUNTIME_OUTPUT_DIRECTORY)
      get_target_property(value ${original} ${property})
      if(value)
        set_property(TARGET ${copy} PROPERTY ${property} "${value}")
      endif()
    endforeach()
    get_target_property(value ${original} PRECOMPILE_HEADERS_REUSE_FROM)
    if(value AND NOT type STREQUAL "EXECUTABLE")
      crescendar_use_pch(${copy} ${value}_san)
    endif()

    foreach(property LINK_LIBRARIES MANUALLY_ADDED_DEPENDENCIES)
      get_target_property(value ${original} ${property})
      set(mapped)
      foreach(item IN LISTS value)
        if(item IN_LIST CRESCENDAR_SANITIZED)
          list(APPEND mapped ${item}_san)
        elseif(item STREQUAL "GTest::gtest_main")
          list(APPEND mapped GTest::gtest) # the shared entry is the program's main
        elseif(item)
          list(APPEND mapped ${item})
        endif()
      endforeach()
      if(NOT mapped)
        continue()
      elseif(property STREQUAL "LINK_LIBRARIES")
        target_link_libraries(${copy} PUBLIC ${mapped})
      else()
        add_dependencies(${copy} ${mapped})
      endif()
    endforeach()
  endforeach()
  foreach(property INCLUDE_DIRECTORIES COMPILE_DEFINITIONS)
    get_target_property(value ${copy} ${property})
    if(value)
      list(REMOVE_DUPLICATES value)
      set_property(TARGET ${copy} PROPERTY ${property} "${value}")
    endif()
  endforeach()

  list(GET ARGN 0 first)
  set(CRESCENDAR_SANITIZED ${CRESCENDAR_SANITIZED} ${first} PARENT_SCOPE)
endfunction()

# In dependency order: each copy links the copies made before it.
foreach(target crescendar_platform crescendar_session crescendar_main crescendar_print
               crescendar_reports crescendar_config crescendar_app crescendar)
  crescendar_sanitized_copy(${target}_san ${target})
endforeach()

crescendar_sanitized_copy(sanitized_tests engine_tests settings_tests session_tests
                          platform_tests ui_tests windows_tests)
target_sources(sanitized_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/common/WindowTestMain.cpp)
crescendar_use_pch(sanitized_tests crescendar_pch_window_tests_san)

set(shards 4)
foreach(shard RANGE 1 ${shards})
  math(EXPR index "${shard} - 1")
  add_test(NAME sanitized_tests_${shard} COMMAND sanitized_tests)
  # The longest entries: a high cost makes CTest start them first, beside the short ones.
  set_tests_properties(sanitized_tests_${shard} PROPERTIES LABELS sanitized COST 1000
    ENVIRONMENT "GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${index};QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endforeach()
