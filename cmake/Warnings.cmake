# Project-wide warnings, linked privately by every target of ours.
add_library(nestling_warnings INTERFACE)
target_compile_options(nestling_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual)
# GCC 12 reports impossible overlaps in inlined std::string concatenation at -O2 (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(nestling_warnings INTERFACE -Wno-restrict)
endif()
if(NESTLING_WARNINGS_AS_ERRORS)
    target_compile_options(nestling_warnings INTERFACE -Werror)
endif()

# Adds a static library for one folder of src/.
function(nestling_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE nestling_warnings)
endfunction()

# Adds one GoogleTest executable.
function(nestling_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main nestling_warnings)
    # Label core: the sanitizer run takes every suite so labelled (ctest --preset san-core).
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS core)
endfunction()
