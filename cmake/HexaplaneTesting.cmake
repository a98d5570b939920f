# Test binaries run under Wine. One wineserver and (when no display is set) one Xvfb
# serve the whole ctest run: the first test starts them through tools/wine-run, the
# cleanup fixture below stops them again.
add_test(NAME wine_env_stop COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-env-stop)
set_tests_properties(wine_env_stop PROPERTIES
  FIXTURES_CLEANUP wine_env
  ENVIRONMENT "HEXAPLANE_BUILD_DIR=${CMAKE_BINARY_DIR}")

# hexaplane_add_test(<name> [SERIAL] [RESOURCE_LOCK <lock>] SOURCES <files...> LIBS <targets...>)
# A GoogleTest binary whose tests are discovered and run under Wine, with the
# test main that records and answers every message box. SERIAL: its tests never run
# at the same time as any other test (they act on the whole session). RESOURCE_LOCK:
# they never run beside another test holding the same lock.
function(hexaplane_add_test name)
  cmake_parse_arguments(ARG "SERIAL" "RESOURCE_LOCK" "SOURCES;LIBS" ${ARGN})
  set(serial)
  if(ARG_SERIAL)
    set(serial RUN_SERIAL TRUE)
  endif()
  if(ARG_RESOURCE_LOCK)
    list(APPEND serial RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE hexaplane_test_main ${ARG_LIBS})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    PROPERTIES
      FIXTURES_REQUIRED wine_env
      ENVIRONMENT "HEXAPLANE_BUILD_DIR=${CMAKE_BINARY_DIR}"
      TIMEOUT 120
      ${serial})
endfunction()
