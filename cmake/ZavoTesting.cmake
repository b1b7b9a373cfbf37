# GoogleTest: Debian's prebuilt libraries natively, its sources for the
# cross build (the prebuilt ones are for the host only).
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # googletest's own CMake defines the GTest:: aliases.
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# zavo_add_gtest(<name> SOURCES ... [LIBS ...] [LABELS ...])
# One GoogleTest executable. Natively each case becomes its own ctest entry;
# in the cross build the whole executable runs once under the emulator (Wine).
function(zavo_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT 600)
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT 300)
  endif()
endfunction()

# zavo_add_qttest(<test name> <executable> SOURCES ... [LABELS ...] [TIMEOUT s])
# One QtTest executable of the window layer, run on the offscreen platform.
function(zavo_add_qttest name exe)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LABELS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${exe} ${ARG_SOURCES})
  target_link_libraries(${exe} PRIVATE zavoui Qt6::Test)
  add_test(NAME ${name} COMMAND ${exe})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
                       LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT})
endfunction()
