# Installs the library from the build folder into a scratch prefix, then configures, builds
# and runs (twice) a program that finds it there.
file(REMOVE_RECURSE ${SCRATCH})
# The consumer's own project file is kept under another name, so that the tests' build does
# not take it for one of its folders.
file(MAKE_DIRECTORY ${SCRATCH}/source)
configure_file(${SOURCE_DIR}/consumer_project.txt ${SCRATCH}/source/CMakeLists.txt COPYONLY)
configure_file(${SOURCE_DIR}/consumer.cpp ${SCRATCH}/source/consumer.cpp COPYONLY)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${SCRATCH}/prefix
                RESULT_VARIABLE rc)
if(rc)
    message(FATAL_ERROR "install failed")
endif()
foreach(file lib/libdockable.so include/docking/dockable.h lib/cmake/Dockable/DockableConfig.cmake)
    if(NOT EXISTS ${SCRATCH}/prefix/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SCRATCH}/source -B ${SCRATCH}/build -G Ninja
                        -DCMAKE_PREFIX_PATH=${SCRATCH}/prefix RESULT_VARIABLE rc)
if(rc)
    message(FATAL_ERROR "find_package(Dockable) failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${SCRATCH}/build RESULT_VARIABLE rc)
if(rc)
    message(FATAL_ERROR "the program using the library does not build")
endif()
# Two runs of the program on one layout file: the second finds its panes docked and its
# floating form floating where the first run left it when its main window closed.
foreach(run first again)
    execute_process(COMMAND ${SCRATCH}/build/dockable_consumer ${run} ${SCRATCH}/layout.ini
                            ${SCRATCH}/placement.txt
                    RESULT_VARIABLE rc ERROR_VARIABLE said)
    if(rc)
        message(FATAL_ERROR "the program using the library failed in its ${run} run (${rc}):\n${said}")
    endif()
endforeach()
