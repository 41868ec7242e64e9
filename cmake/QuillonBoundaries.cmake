# quillon_forbid_links(<target> <forbidden target>...)
#
# Fails the configuration when any of the forbidden targets is linked into <target>, directly
# or through the libraries it links. The linker drops unused shared libraries (--as-needed), so
# the finished binary alone cannot show that a boundary was crossed; the link graph can.
# Call it after every target is defined.

function(_quillon_link_closure target visited_var)
    set(visited ${${visited_var}})
    if(NOT TARGET ${target} OR ${target} IN_LIST visited)
        return()
    endif()
    list(APPEND visited ${target})
    get_target_property(aliased ${target} ALIASED_TARGET)
    if(aliased)
        set(target ${aliased})
    endif()
    set(links)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(direct ${target} LINK_LIBRARIES)
        if(direct)
            list(APPEND links ${direct})
        endif()
    endif()
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    if(interface)
        list(APPEND links ${interface})
    endif()
    foreach(link IN LISTS links)
        # "$<LINK_ONLY:Qt5::Gui>" and similar wrappers name a target too.
        string(REGEX REPLACE "^\\$<[A-Z_]+:(.*)>$" "\\1" link "${link}")
        _quillon_link_closure(${link} visited)
    endforeach()
    set(${visited_var} ${visited} PARENT_SCOPE)
endfunction()

function(quillon_forbid_links target)
    set(closure)
    _quillon_link_closure(${target} closure)
    foreach(forbidden IN LISTS ARGN)
        if(forbidden IN_LIST closure)
            message(FATAL_ERROR "${target} links ${forbidden} (through: ${closure}); "
                                "move what needs it into a *_ui library")
        endif()
    endforeach()
endfunction()
