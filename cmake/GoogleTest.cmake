# GoogleTest: the installed package for the native build, built from Debian's sources for MinGW.
if(WIN32)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

# penmar_add_gtest(TARGET): registers a GoogleTest program with ctest.
# Natively each case is a test of its own, named PROGRAM/Suite.Case, so `ctest -R` runs one case.
# Under Wine a program is one test: every case in its own Wine process would cost a Wine start and, for
# the editor, a new frame window per case, and listing the cases at build time would need Wine there.
# There GTEST_FILTER=Suite.Case (GoogleTest reads it from the environment) narrows a run to one case.
include(GoogleTest)

function(penmar_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
  else()
    gtest_discover_tests(${target} TEST_PREFIX ${target}/ DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
