# Shared build settings and the two helpers every folder uses.
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)
include(GoogleTest)

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

# Rebuilds of several checkouts share one compiler cache where there is one.
find_program(PELMORAN_CCACHE ccache)
if(PELMORAN_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_C_COMPILER_LAUNCHER ${PELMORAN_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${PELMORAN_CCACHE})
endif()
if(PELMORAN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# pelmoran_library(<name> <sources...>): a static library whose headers are
# included by their path from the repository root.
# Areas may add their sources later with target_sources(); an empty library
# gets a placeholder so the tree configures while it is being filled.
function(pelmoran_library name)
  add_library(${name} STATIC ${ARGN} ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# pelmoran_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# One GoogleTest executable registered with CTest. GUI tests run on Qt's
# offscreen platform and bring their own main (QApplication).
function(pelmoran_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  # A test program's sources share their heavy headers (the test framework,
  # Qt); compiled as one unit they are parsed once.
  if(PELMORAN_UNITY_TESTS)
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(NOT T_GUI)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  if(PELMORAN_CORE_FOLDER)
    add_dependencies(core_tests ${name})
    file(APPEND ${PELMORAN_CORE_TEST_LIST} "${name}\n")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${name}")
endfunction()
