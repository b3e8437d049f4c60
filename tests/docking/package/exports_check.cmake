# The shared library's dynamic symbols are its interface: the control's members, its type
# and its meta-object, nothing of the library's internals nor of what it instantiates.
execute_process(COMMAND nm -D --defined-only -C ${LIBRARY} OUTPUT_VARIABLE symbols
                RESULT_VARIABLE rc)
if(rc)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${symbols}")
set(foreign "")
foreach(line IN LISTS lines)
    if(line STREQUAL "")
        continue()
    endif()
    string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] " "" name "${line}")
    if(name MATCHES "^dockable::Dockable::" OR
       name MATCHES "^(typeinfo|typeinfo name|vtable) for dockable::Dockable$")
        # the interface
    elseif(name MATCHES "^(__bss_start|_edata|_end|_init|_fini)$")
        # what the linker itself defines in every library
    else()
        string(APPEND foreign "  ${name}\n")
    endif()
endforeach()
if(NOT foreign STREQUAL "")
    message(FATAL_ERROR "symbols outside the interface:\n${foreign}")
endif()
foreach(needed "dockable::Dockable::AddForm(" "dockable::Dockable::staticMetaObject"
               "dockable::Dockable::StateChanged(" "typeinfo for dockable::Dockable")
    string(FIND "${symbols}" "${needed}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "not exported: ${needed}")
    endif()
endforeach()
