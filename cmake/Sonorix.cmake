# Warnings as errors on our own code only; Qt and system headers come in as SYSTEM.
add_library(sonorix_warnings INTERFACE)
target_compile_options(sonorix_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
# g++ 12 at -O3 wrongly finds overlapping copies inside std::string (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(sonorix_warnings INTERFACE -Wno-restrict)
endif()

if(SONORIX_WASM)
  # Without -fexceptions a throw aborts. The tests read and write the real
  # file system through Node; the module is built into the .js, so Node
  # needs no fetch.
  add_compile_options(-fexceptions)
  add_link_options(-fexceptions -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sSINGLE_FILE=1 -sEXIT_RUNTIME=1)
endif()

if(SONORIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# sonorix_add_gtest(<name> [QT] SOURCES ... LIBS ... [ENV ...])
# One test executable, its cases registered with CTest one by one. Every case
# runs headless and has a timeout, so a modal window left open fails fast.
function(sonorix_add_gtest name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_QT)
    # A QApplication lives for the whole test binary.
    target_link_libraries(${name} PRIVATE ${T_LIBS} sonorix_qt_test_main GTest::gtest sonorix_warnings)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main sonorix_warnings)
  endif()
  set_target_properties(${name} PROPERTIES ENABLE_EXPORTS ON)
  target_compile_definitions(${name} PRIVATE
    SONORIX_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}" SONORIX_TEST_BINARY_DIR="${CMAKE_BINARY_DIR}")
  # Cases are listed when CTest runs, so building needs no display. The
  # environment is set through an include file that runs after the listing:
  # passed to gtest_discover_tests directly, a list of variables is cut at its
  # first semicolon.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    TEST_LIST ${name}_TESTS
    PROPERTIES TIMEOUT 60)
  set(env "QT_QPA_PLATFORM=offscreen" "SONORIX_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
          "SONORIX_BINARY_DIR=${CMAKE_BINARY_DIR}"
          # Never the account's own cache.
          "XDG_CACHE_HOME=${CMAKE_BINARY_DIR}/test-cache" ${T_ENV})
  set(envfile ${CMAKE_CURRENT_BINARY_DIR}/${name}_env.cmake)
  file(WRITE ${envfile} "set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT \"${env}\")\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${envfile})
endfunction()
