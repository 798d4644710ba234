# Runs Layering.cmake on small planted trees: an ordered tree passes; a cycle
# of rooms, an upward include in a library inside another, a room missing from
# its order and an upward layer include each fail, naming exactly the include
# (or file) at fault.
# Usage: cmake -DSCRIPT=<Layering.cmake> -DWORK=<scratch folder> -P LayeringPlanted.cmake

# Plants a tree (each argument "path: included paths...") and checks the
# script's verdict: "passes", or the one violation it must report.
function(check_tree name verdict)
    set(root ${WORK}/${name})
    file(REMOVE_RECURSE ${root})
    foreach(entry ${ARGN})
        string(REGEX REPLACE ":.*" "" path "${entry}")
        set(targets "")
        if(entry MATCHES ":(.*)")
            set(targets "${CMAKE_MATCH_1}")
            separate_arguments(targets)
        endif()
        set(text "#pragma once\n")
        foreach(target ${targets})
            string(APPEND text "#include \"${target}\"\n")
        endforeach()
        file(WRITE ${root}/${path} "${text}")
    endforeach()
    execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${root} -P ${SCRIPT}
                    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE output)
    string(REGEX MATCHALL "\n    [^\n]+" reported "${output}")
    list(LENGTH reported count)
    if(verdict STREQUAL "passes")
        if(NOT result EQUAL 0)
            message(SEND_ERROR "${name}: an ordered tree failed:\n${output}")
        endif()
    elseif(result EQUAL 0 OR NOT count EQUAL 1 OR NOT output MATCHES "\n    ${verdict}")
        message(SEND_ERROR "${name}: expected exactly \"${verdict}\", got:\n${output}")
    endif()
endfunction()

check_tree(ordered passes
    "anybutton/AnyButton.h: anybutton/interaction/I.h anybutton/properties/P.h"
    "anybutton/interaction/I.h: anybutton/control/C.h platform/gdi/text/T.h"
    "anybutton/control/C.h: anybutton/pipeline/L.h"
    "anybutton/pipeline/L.h: anybutton/content/N.h anybutton/styles/S.h"
    "anybutton/content/N.h: anybutton/painting/A.h"
    "anybutton/styles/S.h: anybutton/painting/A.h"
    "anybutton/painting/A.h: anybutton/properties/P.h"
    "anybutton/properties/P.h: core/text/X.h platform/gdi/objects/O.h"
    "platform/gdi/text/T.h: platform/gdi/raster/R.h"
    "platform/gdi/raster/R.h: platform/gdi/objects/O.h"
    "platform/gdi/objects/O.h: core/Y.h"
    "platform/desktop/D.h: platform/gdi/Gdi.h"
    "platform/gdi/Gdi.h: platform/gdi/text/T.h"
    "core/Y.h: core/text/X.h"
    "core/text/X.h")

check_tree(room_cycle "anybutton/properties/P.h: #include \"anybutton/control/C.h\""
    "anybutton/properties/P.h: anybutton/control/C.h"
    "anybutton/control/C.h: anybutton/properties/P.h")

check_tree(top_room_from_below "anybutton/styles/S.h: #include \"anybutton/AnyButton.h\""
    "anybutton/styles/S.h: anybutton/AnyButton.h"
    "anybutton/AnyButton.h: anybutton/styles/S.h")

check_tree(nested_library "platform/gdi/objects/O.h: #include \"platform/gdi/text/T.h\""
    "platform/gdi/objects/O.h: platform/gdi/text/T.h"
    "platform/gdi/text/T.h")

check_tree(unlisted_room "anybutton/misc/M.h: in a room of anybutton"
    "anybutton/misc/M.h")

check_tree(upward_layer "core/Y.h: #include \"anybutton/AnyButton.h\""
    "core/Y.h: anybutton/AnyButton.h"
    "anybutton/AnyButton.h")
