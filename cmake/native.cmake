# The Linux build: the portable core, the maker's tool and their tests. Tests link
# a copy of the core built with AddressSanitizer and UndefinedBehaviorSanitizer.
find_package(BZip2 REQUIRED)
find_package(GTest REQUIRED)

add_library(pyrafix_core STATIC ${PORTABLE_SOURCES})
target_include_directories(pyrafix_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pyrafix_core PUBLIC BZip2::BZip2)

add_executable(pyrafix-db ${DBTOOL_SOURCES} tools/pyrafix-db/main.cpp)
target_link_libraries(pyrafix-db PRIVATE pyrafix_core)

set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_library(pyrafix_core_checked STATIC ${PORTABLE_SOURCES} ${DBTOOL_SOURCES})
target_include_directories(pyrafix_core_checked PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tools)
target_compile_options(pyrafix_core_checked PUBLIC ${SANITIZE} -O1 -g)
target_link_options(pyrafix_core_checked PUBLIC ${SANITIZE})
target_link_libraries(pyrafix_core_checked PUBLIC BZip2::BZip2)

add_executable(core_tests ${PORTABLE_TEST_SOURCES})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(core_tests PRIVATE pyrafix_core_checked GTest::gmock GTest::gtest_main)
gtest_discover_tests(core_tests DISCOVERY_MODE PRE_TEST)

add_executable(bench_core bench/bench_core.cpp)
target_link_libraries(bench_core PRIVATE pyrafix_core)

# Cross-checks against independent libraries that only the Linux build has.
file(GLOB NATIVE_ONLY_TEST_SOURCES CONFIGURE_DEPENDS tests/native/*.cpp)
find_library(CRYPTOPP_LIBRARY NAMES cryptopp crypto++ REQUIRED)
target_sources(core_tests PRIVATE ${NATIVE_ONLY_TEST_SOURCES})
target_link_libraries(core_tests PRIVATE ${CRYPTOPP_LIBRARY})
