# The Linux build: the portable core, the maker's tool and their tests. Tests link
# a copy of the core built with AddressSanitizer and UndefinedBehaviorSanitizer.
find_package(BZip2 REQUIRED)
find_package(GTest REQUIRED)
find_library(SODIUM_LIBRARY NAMES sodium REQUIRED) # Debian's libsodium-dev

add_library(pyrafix_core STATIC ${PORTABLE_SOURCES})
target_include_directories(pyrafix_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pyrafix_core PUBLIC BZip2::BZip2 ${SODIUM_LIBRARY})

add_executable(pyrafix-db ${DBTOOL_SOURCES} tools/pyrafix-db/main.cpp)
target_link_libraries(pyrafix-db PRIVATE pyrafix_core)

set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_library(pyrafix_core_checked STATIC ${PORTABLE_SOURCES} ${DBTOOL_SOURCES})
target_include_directories(pyrafix_core_checked PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tools)
target_compile_options(pyrafix_core_checked PUBLIC ${SANITIZE} -O1 -g)
target_link_options(pyrafix_core_checked PUBLIC ${SANITIZE})
target_link_libraries(pyrafix_core_checked PUBLIC BZip2::BZip2 ${SODIUM_LIBRARY})

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

# Fuzz targets (fuzz/*_fuzz.cpp). Each is built with the normal compiler and the
# sanitizers around a replay main, which the tests run over the seed corpus and a
# fixed number of mutated inputs; with clang, a libFuzzer build too, for real runs
# (scripts/fuzz) and a short bounded one in the tests.
find_program(CLANGXX NAMES clang++ clang++-14)
set(LIBFUZZER OFF)
if(CLANGXX)
  # clang without its runtime package cannot link -fsanitize=fuzzer: check once.
  set(check ${CMAKE_BINARY_DIR}/libfuzzer-check.cpp)
  file(WRITE ${check} "#include <cstddef>\n#include <cstdint>\n"
                      "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
  execute_process(COMMAND ${CLANGXX} -fsanitize=fuzzer ${check} -o ${CMAKE_BINARY_DIR}/libfuzzer-check
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    set(LIBFUZZER ON)
  endif()
endif()
file(GLOB FUZZ_TARGETS CONFIGURE_DEPENDS fuzz/*_fuzz.cpp)
file(GLOB FUZZ_HEADERS CONFIGURE_DEPENDS src/core/*.h src/ui/*.h tests/core/*.h)
if(LIBFUZZER)
  # The core is compiled with clang once, into one archive that every target links:
  # each target compiling the whole core again would cost minutes per target.
  set(FUZZ_FLAGS -std=c++17 -O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all)
  set(fuzz_objects)
  foreach(source IN LISTS PORTABLE_SOURCES)
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${source})
    string(REPLACE "/" "_" object ${relative})
    set(object ${CMAKE_BINARY_DIR}/fuzz-objects/${object}.o)
    add_custom_command(
      OUTPUT ${object}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fuzz-objects
      COMMAND ${CLANGXX} ${FUZZ_FLAGS} -fsanitize=fuzzer-no-link -I${CMAKE_SOURCE_DIR}/src -c ${source} -o ${object}
      DEPENDS ${source} ${FUZZ_HEADERS}
      COMMENT "Compiling ${relative} for the fuzz targets")
    list(APPEND fuzz_objects ${object})
  endforeach()
  set(fuzz_core ${CMAKE_BINARY_DIR}/fuzz-objects/libcore_fuzz.a)
  add_custom_command(
    OUTPUT ${fuzz_core}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${fuzz_core}
    COMMAND ${CMAKE_AR} qc ${fuzz_core} ${fuzz_objects}
    COMMAND ${CMAKE_RANLIB} ${fuzz_core}
    DEPENDS ${fuzz_objects}
    COMMENT "Archiving the core for the fuzz targets")
endif()
foreach(source IN LISTS FUZZ_TARGETS)
  get_filename_component(name ${source} NAME_WE)
  set(corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
  string(REGEX REPLACE "_fuzz$" "" corpus ${corpus})
  add_executable(${name}_replay ${source} fuzz/SmokeMain.cpp)
  target_link_libraries(${name}_replay PRIVATE pyrafix_core_checked)
  add_test(NAME fuzz.${name}.replay COMMAND ${name}_replay -runs=3000 ${corpus})
  # A target whose inputs are whole files says how long they may grow on its first line.
  file(STRINGS ${source} longest LIMIT_COUNT 1 REGEX "^// Longest input: [0-9]+$")
  string(REGEX REPLACE "^// Longest input: " "" longest "${longest}")
  if(NOT longest)
    set(longest 512)
  endif()
  if(LIBFUZZER)
    add_custom_command(
      OUTPUT ${CMAKE_BINARY_DIR}/bin/${name}
      COMMAND ${CLANGXX} ${FUZZ_FLAGS} -fsanitize=fuzzer -I${CMAKE_SOURCE_DIR}/src ${source} ${fuzz_core} -lbz2 -lsodium
              -o ${CMAKE_BINARY_DIR}/bin/${name}
      DEPENDS ${source} ${fuzz_core} ${FUZZ_HEADERS}
      COMMENT "Building ${name} with libFuzzer")
    add_custom_target(${name} ALL DEPENDS ${CMAKE_BINARY_DIR}/bin/${name})
    # New inputs go to a folder emptied first, so each run does the same work.
    set(found ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
    add_test(NAME fuzz.${name}.libfuzzer
             COMMAND sh -c "rm -rf '${found}' && mkdir -p '${found}' && exec '${CMAKE_BINARY_DIR}/bin/${name}' -runs=10000 -max_len=${longest} -seed=1 '${found}' '${corpus}'")
  endif()
endforeach()
