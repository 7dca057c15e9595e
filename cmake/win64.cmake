# The Windows build: everything, cross-compiled; tests run under Wine through the
# emulator the toolchain file sets. Dependencies come from build/deps/win64,
# which scripts/setup fills.
set(WIN_DEPS ${CMAKE_SOURCE_DIR}/build/deps/win64)
set(GTest_DIR ${WIN_DEPS}/lib/cmake/GTest)
find_package(GTest REQUIRED CONFIG)

add_library(bz2 STATIC IMPORTED)
set_target_properties(bz2 PROPERTIES IMPORTED_LOCATION ${WIN_DEPS}/lib/libbz2.a
                                     INTERFACE_INCLUDE_DIRECTORIES ${WIN_DEPS}/include)

add_library(pyrafix_core STATIC ${CORE_SOURCES})
target_include_directories(pyrafix_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pyrafix_core PUBLIC bz2)

# Platform wrappers and everything that stands on them.
add_library(pyrafix_win STATIC
  src/platform/FileSystem.cpp
  src/platform/RegistryKey.cpp
  src/platform/ShellFolders.cpp
  src/database/DatabaseFile.cpp
  src/database/FileHelpers.cpp
  src/database/FileMd5.cpp
  src/database/PathRoots.cpp
  src/scan/FolderPlaceholders.cpp
)
target_compile_definitions(pyrafix_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(pyrafix_win PUBLIC pyrafix_core shell32 ole32 advapi32)

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

add_executable(core_tests ${CORE_TEST_SOURCES})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(core_tests PRIVATE pyrafix_dbtool GTest::gtest_main)
gtest_discover_tests(core_tests DISCOVERY_MODE PRE_TEST)

add_executable(database_tests
  tests/database/DatabaseFileTest.cpp
  tests/database/FileHelpersTest.cpp
  tests/database/FileMd5Test.cpp
  tests/database/PathRootsTest.cpp
  tests/scan/FolderPlaceholdersMachineTest.cpp
)
target_include_directories(database_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(database_tests PRIVATE pyrafix_win GTest::gtest_main)
gtest_discover_tests(database_tests DISCOVERY_MODE PRE_TEST)

add_executable(bench_core bench/bench_core.cpp)
target_link_libraries(bench_core PRIVATE pyrafix_win)
