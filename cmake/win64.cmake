# The Windows build: everything, cross-compiled; tests run under Wine through the
# emulator the toolchain file sets. Dependencies come from build/deps/win64,
# which scripts/setup fills.
enable_language(RC)
set(WIN_DEPS ${CMAKE_SOURCE_DIR}/build/deps/win64)
set(GTest_DIR ${WIN_DEPS}/lib/cmake/GTest)
find_package(GTest REQUIRED CONFIG)

add_library(bz2 STATIC IMPORTED)
set_target_properties(bz2 PROPERTIES IMPORTED_LOCATION ${WIN_DEPS}/lib/libbz2.a
                                     INTERFACE_INCLUDE_DIRECTORIES ${WIN_DEPS}/include)

# libsodium, built by scripts/setup from Debian's source (its own deps folder when
# PYRAFIX_SODIUM_DEPS was given there).
set(PYRAFIX_SODIUM_ROOT ${WIN_DEPS} CACHE PATH "libsodium built for Windows (lib/, include/)")
add_library(sodium STATIC IMPORTED)
set_target_properties(sodium PROPERTIES IMPORTED_LOCATION ${PYRAFIX_SODIUM_ROOT}/lib/libsodium.a
                                        INTERFACE_INCLUDE_DIRECTORIES ${PYRAFIX_SODIUM_ROOT}/include
                                        INTERFACE_COMPILE_DEFINITIONS SODIUM_STATIC)

add_library(pyrafix_core STATIC ${PORTABLE_SOURCES})
target_include_directories(pyrafix_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pyrafix_core PUBLIC bz2 sodium)

# The maker's public update key, compiled in: downloads signed by anyone else are refused.
set(PYRAFIX_UPDATE_PUBLIC_KEY ${CMAKE_SOURCE_DIR}/build/keys/update.pub CACHE FILEPATH
    "the public half of the key that signs the update server's files")
if(NOT EXISTS ${PYRAFIX_UPDATE_PUBLIC_KEY})
  message(FATAL_ERROR "No update key at ${PYRAFIX_UPDATE_PUBLIC_KEY}: run scripts/setup, or give "
                      "-DPYRAFIX_UPDATE_PUBLIC_KEY=the maker's update.pub")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PYRAFIX_UPDATE_PUBLIC_KEY})
file(READ ${PYRAFIX_UPDATE_PUBLIC_KEY} key_hex HEX)
string(LENGTH "${key_hex}" key_length)
if(NOT key_length EQUAL 64)
  message(FATAL_ERROR "${PYRAFIX_UPDATE_PUBLIC_KEY} is no public update key (32 bytes)")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " key_bytes "${key_hex}")
file(WRITE ${CMAKE_BINARY_DIR}/generated/UpdatePublicKey.cpp.new
     "// Made by the build from ${PYRAFIX_UPDATE_PUBLIC_KEY}.\n#include \"update/UpdateSignature.h\"\n\n"
     "const uint8_t UpdatePublicKey[32] = {${key_bytes}};\n")
configure_file(${CMAKE_BINARY_DIR}/generated/UpdatePublicKey.cpp.new ${CMAKE_BINARY_DIR}/generated/UpdatePublicKey.cpp
               COPYONLY)

# Platform wrappers and everything that stands on them.
set(WINDOWS_SOURCES)
foreach(room IN LISTS WINDOWS_ROOMS)
  file(GLOB room_sources CONFIGURE_DEPENDS src/${room}/*.cpp)
  list(APPEND WINDOWS_SOURCES ${room_sources})
endforeach()
file(GLOB win32_ui_sources CONFIGURE_DEPENDS src/ui/win32/*.cpp)
list(APPEND WINDOWS_SOURCES ${win32_ui_sources} ${CMAKE_BINARY_DIR}/generated/UpdatePublicKey.cpp)
add_library(pyrafix_win STATIC ${WINDOWS_SOURCES})
# PSAPI_VERSION 1 takes the process-path call from psapi.dll, which Vista has, rather
# than kernel32's K32 form, which came with Windows 7.
target_compile_definitions(pyrafix_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 PSAPI_VERSION=1)
# nlohmann-json is header-only: Debian's headers serve the cross build as they are,
# from a folder of their own so that no other host header is found there.
set(JSON_INCLUDE ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${JSON_INCLUDE})
file(CREATE_LINK /usr/include/nlohmann ${JSON_INCLUDE}/nlohmann SYMBOLIC)
target_include_directories(pyrafix_win SYSTEM PUBLIC ${JSON_INCLUDE})
target_link_libraries(pyrafix_win PUBLIC pyrafix_core shell32 ole32 advapi32 user32 gdi32 comctl32 comdlg32
                                         psapi version wininet uuid)

add_library(pyrafix_dbtool STATIC ${DBTOOL_SOURCES})
target_include_directories(pyrafix_dbtool PUBLIC ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(pyrafix_dbtool PUBLIC pyrafix_win)

add_executable(pyrafix-db tools/pyrafix-db/main.cpp)
target_link_libraries(pyrafix-db PRIVATE pyrafix_dbtool)

# files.dat, packed by the host build of the tool, lies beside the programs.
set(PYRAFIX_DB_HOST ${CMAKE_SOURCE_DIR}/build/native/bin/pyrafix-db CACHE FILEPATH "pyrafix-db built for the host")
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/bin/files.dat
  COMMAND ${PYRAFIX_DB_HOST} pack ${CMAKE_SOURCE_DIR}/data/signatures.txt ${CMAKE_BINARY_DIR}/bin/files.dat --bzip2
  DEPENDS ${CMAKE_SOURCE_DIR}/data/signatures.txt ${PYRAFIX_DB_HOST}
  COMMENT "Packing files.dat")
add_custom_target(database ALL DEPENDS ${CMAKE_BINARY_DIR}/bin/files.dat)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/bin/hashes.dat
  COMMAND ${PYRAFIX_DB_HOST} pack-hashes ${CMAKE_SOURCE_DIR}/data/hashes.txt ${CMAKE_BINARY_DIR}/bin/hashes.dat
  DEPENDS ${CMAKE_SOURCE_DIR}/data/hashes.txt ${PYRAFIX_DB_HOST}
  COMMENT "Packing hashes.dat")
add_custom_target(hash_signatures ALL DEPENDS ${CMAKE_BINARY_DIR}/bin/hashes.dat)

# RegBase.rgk, the registry keys whose values start programs, is shipped as written.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/bin/RegBase.rgk
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/RegBase.rgk ${CMAKE_BINARY_DIR}/bin/RegBase.rgk
  DEPENDS ${CMAKE_SOURCE_DIR}/data/RegBase.rgk)
add_custom_target(regbase ALL DEPENDS ${CMAKE_BINARY_DIR}/bin/RegBase.rgk)

# Languages/*.vlng: the translations of data/languages/, enciphered as the program reads them.
file(GLOB language_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/languages/*.txt)
set(language_files)
foreach(source IN LISTS language_sources)
  get_filename_component(language ${source} NAME_WE)
  set(vlng ${CMAKE_BINARY_DIR}/bin/Languages/${language}.vlng)
  add_custom_command(
    OUTPUT ${vlng}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin/Languages
    COMMAND ${PYRAFIX_DB_HOST} encrypt ${source} ${vlng}
    DEPENDS ${source} ${PYRAFIX_DB_HOST}
    COMMENT "Enciphering Languages/${language}.vlng")
  list(APPEND language_files ${vlng})
endforeach()
add_custom_target(languages ALL DEPENDS ${language_files})

# Each gtest case becomes a ctest test, listed when ctest starts (a Wine start can take
# longer than discovery's default 5 seconds on a busy machine).
set(WINE_TEST_LISTS)
macro(discover_wine_tests target)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  list(APPEND WINE_TEST_LISTS ${target}_TESTS)
endmacro()

add_executable(core_tests ${PORTABLE_TEST_SOURCES})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(core_tests PRIVATE pyrafix_dbtool GTest::gmock GTest::gtest_main)
discover_wine_tests(core_tests)

# Helper programs the tests start (a dummy process, a dummy service, ...).
file(GLOB fixture_sources CONFIGURE_DEPENDS tests/fixtures/*.cpp)
set(FIXTURES)
foreach(source IN LISTS fixture_sources)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  if(EXISTS ${CMAKE_SOURCE_DIR}/tests/fixtures/${name}.rc) # a version resource the tests read
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fixtures/${name}.rc)
  endif()
  target_link_libraries(${name} PRIVATE pyrafix_win)
  list(APPEND FIXTURES ${name})
endforeach()

foreach(room IN LISTS WINDOWS_ROOMS ITEMS ui)
  file(GLOB test_sources CONFIGURE_DEPENDS tests/${room}/*.cpp)
  if(room STREQUAL "ui")
    file(GLOB test_sources CONFIGURE_DEPENDS tests/ui/win32/*.cpp)
  endif()
  if(test_sources)
    add_executable(${room}_tests ${test_sources})
    target_include_directories(${room}_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    # Tests start helpers from the source tree (the local HTTP server).
    target_compile_definitions(${room}_tests PRIVATE PYRAFIX_TESTS_DIR="${CMAKE_SOURCE_DIR}/tests")
    target_link_libraries(${room}_tests PRIVATE pyrafix_win GTest::gmock GTest::gtest_main)
    if(FIXTURES)
      add_dependencies(${room}_tests ${FIXTURES})
    endif()
    discover_wine_tests(${room}_tests)
  endif()
endforeach()

# Benchmarks: each bench/bench_X.cpp becomes bench_X.exe; the console's commands are
# theirs to time too (defined below).
file(GLOB bench_sources CONFIGURE_DEPENDS bench/bench_*.cpp)
foreach(source IN LISTS bench_sources)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE pyrafixc_commands)
endforeach()

# pyrafixc.exe, the console scanner: its commands live in a library the tests call too.
file(GLOB console_command_sources CONFIGURE_DEPENDS src/app/pyrafixc/*.cpp)
list(REMOVE_ITEM console_command_sources ${CMAKE_SOURCE_DIR}/src/app/pyrafixc/main.cpp)
add_library(pyrafixc_commands STATIC ${console_command_sources})
target_include_directories(pyrafixc_commands PUBLIC ${CMAKE_SOURCE_DIR}/src/app/pyrafixc)
target_link_libraries(pyrafixc_commands PUBLIC pyrafix_win)
if(TARGET bench_report) # the report as pyrafixc writes it
  target_link_libraries(bench_report PRIVATE pyrafixc_commands)
endif()
# windres does not report what a script includes: rebuild the resources when their files change.
set_source_files_properties(data/pyrafixc.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/data/pyrafixc.manifest)
set_source_files_properties(data/pyrafix.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/data/pyrafix.manifest")
add_executable(pyrafixc src/app/pyrafixc/main.cpp data/pyrafixc.rc)
target_link_libraries(pyrafixc PRIVATE pyrafixc_commands)
file(GLOB console_test_sources CONFIGURE_DEPENDS tests/app/*.cpp)
if(console_test_sources)
  add_executable(app_tests ${console_test_sources})
  target_include_directories(app_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(app_tests PRIVATE PYRAFIX_TESTS_DIR="${CMAKE_SOURCE_DIR}/tests")
  target_link_libraries(app_tests PRIVATE pyrafixc_commands GTest::gtest_main)
  discover_wine_tests(app_tests)
endif()

# The tests that change or read one part of the machine never run together: see
# cmake/wine-test-locks.cmake. Included by ctest after every discovery above.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/wine-test-locks.cmake
     CONTENT "set(PYRAFIX_TEST_LISTS @WINE_TEST_LISTS@)\ninclude(@CMAKE_SOURCE_DIR@/cmake/wine-test-locks.cmake)\n" @ONLY)
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/wine-test-locks.cmake)

# The program itself: GUI subsystem, with its manifest, icons and version resource.
add_executable(pyrafix WIN32 src/app/pyrafix/main.cpp data/pyrafix.rc)
target_link_libraries(pyrafix PRIVATE pyrafix_win)
add_dependencies(pyrafix database)
if(TARGET shell_tests)
  add_dependencies(shell_tests pyrafix)
endif()

# The release: build/dist/pyrafix-setup.exe and build/dist/pyrafix-VERSION.zip, made from
# the program folder by cmake/dist.cmake, and the tests of both (tests/dist/).
include(cmake/release.cmake)
