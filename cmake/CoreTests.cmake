# GoogleTest for a build of the core alone. Emscripten has no GoogleTest of
# its own: it is built from Debian's sources, as is any build whose system
# lacks the package's library.
if(NOT SONORIX_WASM)
  find_package(GTest QUIET)
endif()
if(NOT TARGET GTest::gtest)
  set(gtest_source /usr/src/googletest CACHE PATH "GoogleTest's sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${gtest_source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
include(GoogleTest)
