# Shared build helpers.

# The staged program folder: both programs beside their data, since every path
# the programs read is relative to the program folder.
set(TQ_STAGE_DIR "${CMAKE_BINARY_DIR}/Hopz" CACHE INTERNAL "staged program folder")
file(MAKE_DIRECTORY "${TQ_STAGE_DIR}")

# Adds every subfolder of AREA that has a CMakeLists.txt, in name order.
function(tq_add_module_dirs area)
  if(NOT IS_DIRECTORY "${CMAKE_SOURCE_DIR}/${area}")
    return()
  endif()
  file(GLOB children LIST_DIRECTORIES true RELATIVE "${CMAKE_SOURCE_DIR}/${area}" "${CMAKE_SOURCE_DIR}/${area}/*")
  list(SORT children)
  foreach(child ${children})
    if(EXISTS "${CMAKE_SOURCE_DIR}/${area}/${child}/CMakeLists.txt")
      add_subdirectory("${CMAKE_SOURCE_DIR}/${area}/${child}")
    endif()
  endforeach()
endfunction()

# tq_library(NAME name [SOURCES ...] [LIBS ...]): a static library of one module,
# its sources being every .cpp of the folder unless SOURCES is given.
function(tq_library)
  cmake_parse_arguments(A "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT A_SOURCES)
    file(GLOB A_SOURCES CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  endif()
  add_library(${A_NAME} STATIC ${A_SOURCES})
  target_include_directories(${A_NAME} PUBLIC "${CMAKE_SOURCE_DIR}")
  target_link_libraries(${A_NAME} PUBLIC ${A_LIBS})
endfunction()

# tq_program(target): places a program in the staged program folder.
function(tq_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${TQ_STAGE_DIR}")
endfunction()

# An executable of every .cpp of the folder unless SOURCES is given, with the
# staged folder and the source tree known to its code.
function(tq_folder_executable name sources)
  if(NOT sources)
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}")
  target_compile_definitions(${name} PRIVATE TQ_STAGE_DIR="${TQ_STAGE_DIR}" TQ_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endfunction()

# tq_test(NAME name [SOURCES ...] LIBS ... [ENV VAR=value ...]): one GoogleTest
# program; every .cpp of the folder unless SOURCES is given. Qt parts run on the
# offscreen platform; ENV adds variables of the program's own.
function(tq_test)
  cmake_parse_arguments(A "" "NAME" "SOURCES;LIBS;ENV" ${ARGN})
  tq_folder_executable(${A_NAME} "${A_SOURCES}")
  target_link_libraries(${A_NAME} PRIVATE ${A_LIBS} GTest::gmock GTest::gtest_main)
  # Test programs run through env, so that every variable reaches discovery and
  # every test (a list of variables cannot pass through discovery's properties).
  set(emulator env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp ${A_ENV})
  set_target_properties(${A_NAME} PROPERTIES CROSSCOMPILING_EMULATOR "${emulator}")
  gtest_discover_tests(${A_NAME} DISCOVERY_TIMEOUT 60)
endfunction()

# tq_bench(NAME name [SOURCES ...] LIBS ...): one Google Benchmark program bench_*.
function(tq_bench)
  cmake_parse_arguments(A "" "NAME" "SOURCES;LIBS" ${ARGN})
  tq_folder_executable(${A_NAME} "${A_SOURCES}")
  target_link_libraries(${A_NAME} PRIVATE ${A_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
