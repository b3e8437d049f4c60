# The moc step learns of its files from a depfile that does not list a header added since
# the last run, so a new header with Q_OBJECT would go without its moc output. When the
# target's list of sources changes, its moc step is marked out of date.
function(corvanel_moc_follows_sources target)
    set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
    string(JOIN "\n" content ${ARGN})
    set(old "")
    if(EXISTS ${list_file})
        file(READ ${list_file} old)
    endif()
    if(NOT old STREQUAL content)
        file(WRITE ${list_file} "${content}")
        file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    endif()
endfunction()

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
    corvanel_moc_follows_sources(${name} ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
    target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# One test program per test folder; every *_test.cpp in it joins. Files named
# *_slow_test.cpp (pseudo-terminals, real timers) make a second program, <name>_slow, whose
# tests carry the label "slow", so `ctest -LE slow` runs only the fast ones. The folder's
# other sources (fixtures) go into both.
function(corvanel_test name)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    set(fast)
    set(slow)
    set(shared)
    foreach(src IN LISTS all)
        if(src MATCHES "_slow_test\\.cpp$")
            list(APPEND slow ${src})
        elseif(src MATCHES "_test\\.cpp$")
            list(APPEND fast ${src})
        else()
            list(APPEND shared ${src})
        endif()
    endforeach()
    if(fast)
        corvanel_test_program(${name} "" ${fast} ${shared})
    endif()
    if(slow)
        corvanel_test_program(${name}_slow slow ${slow} ${shared})
    endif()
endfunction()

function(corvanel_test_program name label)
    set(sources ${ARGN})
    add_executable(${name} ${sources})
    corvanel_moc_follows_sources(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} corvanel_testsupport GTest::gtest)
    target_compile_definitions(${name} PRIVATE
        CORVANEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        CORVANEL_PROGRAM_DIR="${CORVANEL_PROGRAM_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # The tests that compare a quick way with the long one over every value run the quick
    # code inline in the test itself: built without any optimization they take seconds each.
    target_compile_options(${name} PRIVATE $<$<CONFIG:Debug>:-Og>)
    add_dependencies(${name} corvanel_language corvanel_help)
    set(test_files ${sources})
    list(FILTER test_files INCLUDE REGEX "_test\\.cpp$")
    list(LENGTH test_files files)
    corvanel_register_tests(${name} "${label}" ${files})
endfunction()

# Registers the test program name with CTest. A fast program runs as a few processes, gtest's
# shards of its cases (one for each test file, at most twelve): starting a
# program with Qt costs more than most of its cases, so one process a case made the fast
# tests slow. Each shard is named <name>/<k> (`ctest -R name` runs a folder) and prints only
# the cases that fail, by name. A slow program keeps one CTest test a case, named
# Suite.Case, so that their waits run side by side. The tests' main takes the C locale
# (C.UTF-8) unless the run sets LC_ALL, so that a run can choose another.
function(corvanel_register_tests name label files)
    set(environment "QT_QPA_PLATFORM=offscreen")
    if(label MATCHES "slow")
        gtest_discover_tests(${name}
            PROPERTIES ENVIRONMENT "${environment}" LABELS "${label}"
            DISCOVERY_TIMEOUT 60)
        return()
    endif()
    set(shards ${files})
    if(shards GREATER 12)
        set(shards 12)
    elseif(shards LESS 1)
        set(shards 1)
    endif()
    foreach(index RANGE 1 ${shards})
        math(EXPR shard "${index} - 1")
        add_test(NAME ${name}/${index} COMMAND ${name} --gtest_brief=1)
        set_tests_properties(${name}/${index} PROPERTIES
            ENVIRONMENT "${environment};GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${shard}"
            LABELS "${label}")
    endforeach()
endfunction()

# The folders under base, base itself first, leaving out those named in EXCLUDE (folders
# that build libraries of their own).
function(corvanel_source_dirs out base)
    cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
    set(dirs ${base})
    file(GLOB_RECURSE entries LIST_DIRECTORIES true ${base}/*)
    foreach(entry IN LISTS entries)
        if(NOT IS_DIRECTORY ${entry})
            continue()
        endif()
        file(RELATIVE_PATH rel ${base} ${entry})
        set(skip FALSE)
        foreach(ex IN LISTS ARG_EXCLUDE)
            if(rel STREQUAL ex OR rel MATCHES "^${ex}/")
                set(skip TRUE)
            endif()
        endforeach()
        if(NOT skip)
            list(APPEND dirs ${entry})
        endif()
    endforeach()
    set(${out} ${dirs} PARENT_SCOPE)
endfunction()
