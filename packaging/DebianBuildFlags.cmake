# Compile and link flags as a Debian package build takes them: from dpkg-buildflags, with every
# hardening feature, so that the package follows the distribution's defaults rather than a list
# of flags kept here. Run from the source folder, so that -ffile-prefix-map maps it to ".".
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
      ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE dpkg_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# CMake has no place of its own for the preprocessor's flags: they go with the compiler's.
set(CMAKE_CXX_FLAGS "${dpkg_CPPFLAGS} ${dpkg_CXXFLAGS}")
set(CMAKE_EXE_LINKER_FLAGS "${dpkg_LDFLAGS}")
# The build type adds only what dpkg-buildflags does not say: no second optimisation level.
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-DNDEBUG")
message(STATUS "Compile flags from dpkg-buildflags: ${CMAKE_CXX_FLAGS}")
message(STATUS "Link flags from dpkg-buildflags: ${CMAKE_EXE_LINKER_FLAGS}")
