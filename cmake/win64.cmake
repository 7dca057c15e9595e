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

add_library(pyrafix_core STATIC ${PORTABLE_SOURCES})
target_include_directories(pyrafix_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pyrafix_core PUBLIC bz2)

# Platform wrappers and everything that stands on them.
set(WINDOWS_SOURCES)
foreach(room IN LISTS WINDOWS_ROOMS)
  file(GLOB room_sources CONFIGURE_DEPENDS src/${room}/*.cpp)
  list(APPEND WINDOWS_SOURCES ${room_sources})
endforeach()
file(GLOB win32_ui_sources CONFIGURE_DEPENDS src/ui/win32/*.cpp)
list(APPEND WINDOWS_SOURCES ${win32_ui_sources})
add_library(pyrafix_win STATIC ${WINDOWS_SOURCES})
target_compile_definitions(pyrafix_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
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

# RegBase.rgk, the registry keys whose values start programs, is shipped as written.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/bin/RegBase.rgk
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/RegBase.rgk ${CMAKE_BINARY_DIR}/bin/RegBase.rgk
  DEPENDS ${CMAKE_SOURCE_DIR}/data/RegBase.rgk)
add_custom_target(regbase ALL DEPENDS ${CMAKE_BINARY_DIR}/bin/RegBase.rgk)

add_executable(core_tests ${PORTABLE_TEST_SOURCES})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(core_tests PRIVATE pyrafix_dbtool GTest::gmock GTest::gtest_main)
gtest_discover_tests(core_tests DISCOVERY_MODE PRE_TEST)

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
    target_link_libraries(${room}_tests PRIVATE pyrafix_win GTest::gmock GTest::gtest_main)
    if(FIXTURES)
      add_dependencies(${room}_tests ${FIXTURES})
    endif()
    gtest_discover_tests(${room}_tests DISCOVERY_MODE PRE_TEST)
  endif()
endforeach()

# Benchmarks: each bench/bench_X.cpp becomes bench_X.exe.
file(GLOB bench_sources CONFIGURE_DEPENDS bench/bench_*.cpp)
foreach(source IN LISTS bench_sources)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE pyrafix_win)
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
  target_link_libraries(app_tests PRIVATE pyrafixc_commands GTest::gtest_main)
  gtest_discover_tests(app_tests DISCOVERY_MODE PRE_TEST)
endif()

# The program itself: GUI subsystem, with its manifest, icons and version resource.
add_executable(pyrafix WIN32 src/app/pyrafix/main.cpp data/pyrafix.rc)
target_link_libraries(pyrafix PRIVATE pyrafix_win)
add_dependencies(pyrafix database)
if(TARGET shell_tests)
  add_dependencies(shell_tests pyrafix)
endif()
