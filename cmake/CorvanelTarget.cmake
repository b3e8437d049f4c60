# One static library per subsystem, its sources found by globbing so that adding a file
# needs no edit of a shared list.
function(corvanel_library name)
    cmake_parse_arguments(ARG "" "" "DIRS;LINKS" ${ARGN})
    set(sources)
    foreach(dir IN LISTS ARG_DIRS)
        file(GLOB dir_sources CONFIGURE_DEPENDS
             ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
        list(APPEND sources ${dir_sources})
    endforeach()
    if(NOT sources)
        # A subsystem that has no sources yet still gives its dependents a target.
        set(placeholder ${CMAKE_CURRENT_BINARY_DIR}/${name}_placeholder.cpp)
        file(WRITE ${placeholder} "// no sources yet\n")
        set(sources ${placeholder})
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
    target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# One test program per test folder; every *_test.cpp in it joins.
function(corvanel_test name)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} corvanel_testsupport GTest::gtest)
    target_compile_definitions(${name} PRIVATE
        CORVANEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        CORVANEL_PROGRAM_DIR="${CORVANEL_PROGRAM_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_dependencies(${name} corvanel_language corvanel_help)
    gtest_discover_tests(${name}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8"
        DISCOVERY_TIMEOUT 60)
endfunction()
