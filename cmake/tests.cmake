# only_disabled_tests(SOURCE VAR): VAR is true when every test that SOURCE
# defines is disabled (its suite or its name starts with DISABLED_). Such a
# program holds benchmarks or trials that scripts run on purpose; ctest
# would only count it as passed without running anything.
function(only_disabled_tests src var)
  if(NOT EXISTS ${src})
    set(${var} FALSE PARENT_SCOPE)
    return()
  endif()
  file(STRINGS ${src} tests REGEX "^TEST(_F|_P)?\\(")
  set(result FALSE)
  if(tests)
    set(result TRUE)
    foreach(line IN LISTS tests)
      if(NOT line MATCHES "^TEST(_F|_P)?\\( *(DISABLED_[A-Za-z0-9_]* *,|[A-Za-z0-9_]+ *, *DISABLED_)")
        set(result FALSE)
      endif()
    endforeach()
  endif()
  set(${var} ${result} PARENT_SCOPE)
endfunction()

# add_test_program(NAME SOURCES... LIBS ...)
# One GoogleTest executable, registered with ctest in the keyword form so
# that ctest runs it through the cross-compiling emulator (Wine). A program
# whose tests are all disabled is built but not registered.
function(add_test_program name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  set(registered FALSE)
  foreach(src IN LISTS T_SOURCES)
    only_disabled_tests(${src} disabled)
    if(NOT disabled)
      set(registered TRUE)
    endif()
  endforeach()
  if(NOT registered)
    return()
  endif()
  add_test(NAME ${name} COMMAND ${name})
  # Bounds far above the slowest machine we test on (32-bit programs through
  # an emulator, on a busy machine): only a test that hangs reaches them.
  set_tests_properties(${name} PROPERTIES TIMEOUT 1200)
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()

# add_test_directory(DIR LIBS ... [DEPENDS target...])
# Every DIR/*_test.cpp file becomes its own test program.  Programs named
# *_window_test open windows and type into the foreground window, so they
# take the desktop one at a time; all others run in parallel.
function(add_test_directory dir)
  cmake_parse_arguments(T "" "" "LIBS;DEPENDS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  foreach(src ${test_sources})
    get_filename_component(name ${src} NAME_WE)
    add_test_program(${name} SOURCES ${src} LIBS ${T_LIBS})
    if(T_DEPENDS)
      add_dependencies(${name} ${T_DEPENDS})
    endif()
    if(TEST ${name} AND name MATCHES "_window_test$")
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
    endif()
  endforeach()
endfunction()

# add_console_test(NAME SCRIPT ARGS... [TIMEOUT seconds]): a shell script that
# drives a console program under Wine inside tmux. Console tests take turns;
# the script starts programs through the build's Wine loader ($WINE).
function(add_console_test name script)
  cmake_parse_arguments(T "" "TIMEOUT" "" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  add_test(NAME ${name} COMMAND bash ${script} ${T_UNPARSED_ARGUMENTS})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} RESOURCE_LOCK console
                                          ENVIRONMENT "WINE=${WINE_LOADER}")
endfunction()
