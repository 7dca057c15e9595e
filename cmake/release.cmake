# The release, made by cmake/dist.cmake after everything else is built: the installer
# build/dist/pyrafix-setup.exe and build/dist/pyrafix-VERSION.zip. The version comes
# from the program's own banner, so Add or Remove Programs shows what the program says.
set(version_header ${CMAKE_SOURCE_DIR}/src/core/ProgramVersion.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${version_header})
file(READ ${version_header} version_text)
if(NOT version_text MATCHES
   "VersionBanner = \"Pyrafix Pro (v([0-9]+) - ([A-Za-z]+) \\(Build date: ([0-9]+)\\.([0-9]+)\\.([0-9]+)\\))\"")
  message(FATAL_ERROR "${version_header}: no banner of the form \"Pyrafix Pro vN - SE (Build date: D.M.YYYY)\"")
endif()
set(PYRAFIX_DISPLAY_VERSION "${CMAKE_MATCH_1}") # "v7 - SE (Build date: 17.4.2010)"
set(PYRAFIX_VERSION_MAJOR ${CMAKE_MATCH_2})
set(edition ${CMAKE_MATCH_3})
set(year ${CMAKE_MATCH_6})
foreach(part day month)
  if(part STREQUAL day)
    set(value ${CMAKE_MATCH_4})
  else()
    set(value ${CMAKE_MATCH_5})
  endif()
  string(LENGTH "${value}" length)
  if(length EQUAL 1)
    set(value "0${value}")
  endif()
  set(${part} ${value})
endforeach()
set(PYRAFIX_ZIP_VERSION "${PYRAFIX_VERSION_MAJOR}-${edition}-${year}-${month}-${day}") # "7-SE-2010-04-17"

find_program(MAKENSIS makensis REQUIRED)
set(PYRAFIX_DIST_DIR ${CMAKE_SOURCE_DIR}/build/dist CACHE PATH "where the installer and the zip go")
add_custom_target(dist ALL
  COMMAND ${CMAKE_COMMAND} -DBIN=${CMAKE_BINARY_DIR}/bin -DDIST=${PYRAFIX_DIST_DIR}
          -DSTAGE=${CMAKE_BINARY_DIR}/dist-stage -DNSI=${CMAKE_SOURCE_DIR}/data/pyrafix-setup.nsi
          -DICON=${CMAKE_SOURCE_DIR}/data/icons/pyrafix.ico -DMAKENSIS=${MAKENSIS}
          "-DDISPLAY_VERSION=${PYRAFIX_DISPLAY_VERSION}" -DVERSION_MAJOR=${PYRAFIX_VERSION_MAJOR}
          -DZIP_VERSION=${PYRAFIX_ZIP_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/dist.cmake
  COMMENT "Making the installer and the zip"
  VERBATIM)

# After every other target, whichever adds files beside the programs (the languages'
# one among them), so the release takes all the build put there.
function(release_after_everything)
  get_directory_property(targets DIRECTORY ${CMAKE_SOURCE_DIR} BUILDSYSTEM_TARGETS)
  list(REMOVE_ITEM targets dist)
  add_dependencies(dist ${targets})
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL release_after_everything)

# Each case installs into a prefix of its own, copied from the pristine one, so it
# needs no lock and leaves the tests' prefix alone.
foreach(case SilentInstallScanAndUninstallKeepingTheQuarantine UninstallRemovingTheQuarantineLeavesNothing)
  add_test(NAME Installer.${case}
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/dist/installer-test.sh ${case} ${PYRAFIX_DIST_DIR}/pyrafix-setup.exe
                   ${PYRAFIX_DIST_DIR}/pyrafix-${PYRAFIX_ZIP_VERSION}.zip ${CMAKE_SOURCE_DIR}/build/wine/pristine
                   "${PYRAFIX_DISPLAY_VERSION}")
  set_tests_properties(Installer.${case} PROPERTIES TIMEOUT 600)
endforeach()
