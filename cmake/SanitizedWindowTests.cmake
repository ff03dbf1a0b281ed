# The window test programs (platform_tests, ui_tests, windows_tests) built again under
# AddressSanitizer + UndefinedBehaviorSanitizer, each run offscreen as one CTest entry
# (<program>_asan_ubsan). Our own libraries and the program are compiled again with the
# sanitizers; the artwork (crescendar_resources) is shared with the plain build, so the
# artwork generator is built and run once. Leaks inside third-party libraries are suppressed
# by tests/lsan.supp; a leak in our code fails the test.
#
# Included from the top-level CMakeLists.txt after every folder, with SANITIZE_FLAGS set and
# the sanitized engine and settings libraries (crescendar_engine_san, crescendar_settings_san)
# already defined.

find_package(Qt6 REQUIRED COMPONENTS Test PrintSupport)

# The names of the targets that have a sanitized copy (<name>_san).
set(CRESCENDAR_SANITIZED crescendar_engine crescendar_settings)

# Builds the library or program `original` again as `original`_san with the sanitizers: the
# same sources (for a test program, the common entry from tests/common among them), include
# folders, definitions, moc and output folder, linked to the sanitized copies of the libraries
# and programs of ours that it uses.
function(crescendar_sanitized_copy original)
  set(copy ${original}_san)
  get_target_property(type ${original} TYPE)
  get_target_property(dir ${original} SOURCE_DIR)
  get_target_property(sources ${original} SOURCES)
  list(TRANSFORM sources PREPEND ${dir}/ REGEX "^[^/]")
  if(type STREQUAL "STATIC_LIBRARY")
    add_library(${copy} STATIC ${sources})
  else()
    add_executable(${copy} ${sources})
    target_link_options(${copy} PRIVATE ${SANITIZE_FLAGS})
  endif()
  target_compile_options(${copy} PRIVATE ${SANITIZE_FLAGS})

  foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES COMPILE_DEFINITIONS AUTOMOC
                  RUNTIME_OUTPUT_DIRECTORY)
    get_target_property(value ${original} ${property})
    if(value)
      # A path to one of our programs (a definition) names its sanitized copy.
      foreach(name IN LISTS CRESCENDAR_SANITIZED)
        string(REPLACE "TARGET_FILE:${name}>" "TARGET_FILE:${name}_san>" value "${value}")
      endforeach()
      set_property(TARGET ${copy} PROPERTY ${property} "${value}")
    endif()
  endforeach()

  foreach(property LINK_LIBRARIES MANUALLY_ADDED_DEPENDENCIES)
    get_target_property(value ${original} ${property})
    set(mapped)
    foreach(item IN LISTS value)
      if(item IN_LIST CRESCENDAR_SANITIZED)
        list(APPEND mapped ${item}_san)
      elseif(item)
        list(APPEND mapped ${item})
      endif()
    endforeach()
    if(NOT mapped)
      continue()
    endif()
    if(property STREQUAL "LINK_LIBRARIES")
      target_link_libraries(${copy} PUBLIC ${mapped})
    else()
      add_dependencies(${copy} ${mapped})
    endif()
  endforeach()

  set(CRESCENDAR_SANITIZED ${CRESCENDAR_SANITIZED} ${original} PARENT_SCOPE)
endfunction()

# In dependency order: each copy links the copies made before it.
foreach(target crescendar_platform crescendar_session crescendar_main crescendar_print
               crescendar_reports crescendar_config crescendar_app crescendar)
  if(TARGET ${target})
    crescendar_sanitized_copy(${target})
  endif()
endforeach()

set(CRESCENDAR_SANITIZED_WINDOW_TESTS)
foreach(program platform_tests ui_tests windows_tests)
  if(TARGET ${program})
    crescendar_sanitized_copy(${program})
    add_test(NAME ${program}_asan_ubsan COMMAND ${program}_san)
    list(APPEND CRESCENDAR_SANITIZED_WINDOW_TESTS ${program}_asan_ubsan)
  endif()
endforeach()

if(CRESCENDAR_SANITIZED_WINDOW_TESTS)
  set_tests_properties(${CRESCENDAR_SANITIZED_WINDOW_TESTS} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()
