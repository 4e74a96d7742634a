# The libraries of the Windows build, from Debian's own packages: CLI11 and nlohmann-json are
# headers only and are used as Debian installs them; GoogleTest is built from Debian's sources
# (package googletest) for the target. The headers are reached through a folder of their own, as
# /usr/include also holds the build machine's C library.
set(KORVEL_HEADER_ONLY ${CMAKE_BINARY_DIR}/header-only)
foreach(folder IN ITEMS CLI nlohmann)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/install-deps")
  endif()
  file(MAKE_DIRECTORY ${KORVEL_HEADER_ONLY})
  file(CREATE_LINK /usr/include/${folder} ${KORVEL_HEADER_ONLY}/${folder} SYMBOLIC)
endforeach()
add_library(korvel_header_only INTERFACE)
target_include_directories(korvel_header_only SYSTEM INTERFACE ${KORVEL_HEADER_ONLY})
add_library(CLI11::CLI11 ALIAS korvel_header_only)
add_library(nlohmann_json::nlohmann_json ALIAS korvel_header_only)

if(KORVEL_TESTS)
  set(KORVEL_GOOGLETEST_SOURCE /usr/src/googletest)
  if(NOT EXISTS ${KORVEL_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "${KORVEL_GOOGLETEST_SOURCE} is missing: run scripts/install-deps")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Its targets are GTest::gtest, GTest::gtest_main and GTest::gmock, as find_package gives them.
  add_subdirectory(${KORVEL_GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
