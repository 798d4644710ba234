# Fails when a source file includes a header above its own place: a higher
# layer, or a higher room of a library it lies in.
# Usage: cmake -DROOT=<source dir> -P Layering.cmake

# Layers, lowest first; each is a folder of ROOT.
set(layers core platform anybutton editor shell app)

# Each line names a library folder and its rooms, lowest first. Files directly
# in the library folder are its top room. A library may lie in another
# (platform/gdi in platform): a file answers to every library it lies in.
# Adding a library is adding a line; its every room folder must be listed.
set(room_orders
    "core: text"
    "platform: gdi files system settings prompts desktop webview sound"
    "platform/gdi: objects raster text"
    "anybutton: properties painting styles content pipeline control interaction"
    "editor: document recovery editing search markup preview commands elements layout"
    "shell: placement")

# The rank of the room that path (relative to ROOT) lies in within library
# lib, whose line of room_orders is order, into out: its place in the line,
# or the top rank for a file directly in the library; "" when the path is not
# in lib, "unlisted" for a room the line does not name.
function(room_rank path lib order out)
    string(REGEX REPLACE "^[^:]*: *" "" rooms "${order}")
    separate_arguments(rooms)
    string(LENGTH "${lib}/" prefix_length)
    string(SUBSTRING "${path}" 0 ${prefix_length} prefix)
    if(NOT prefix STREQUAL "${lib}/")
        set(${out} "" PARENT_SCOPE)
        return()
    endif()
    string(SUBSTRING "${path}" ${prefix_length} -1 rest)
    if(NOT rest MATCHES "/")
        list(LENGTH rooms top)
        set(${out} ${top} PARENT_SCOPE)
        return()
    endif()
    string(REGEX REPLACE "/.*" "" room "${rest}")
    list(FIND rooms ${room} rank)
    if(rank EQUAL -1)
        set(${out} unlisted PARENT_SCOPE)
    else()
        set(${out} ${rank} PARENT_SCOPE)
    endif()
endfunction()

set(violations "")
foreach(layer ${layers})
    list(FIND layers ${layer} rank)
    file(GLOB_RECURSE files ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
    foreach(file ${files})
        file(RELATIVE_PATH rel ${ROOT} ${file})
        file(STRINGS ${file} includes REGEX "^#include \"[a-z]+/")
        foreach(order ${room_orders})
            string(REGEX REPLACE ":.*" "" lib "${order}")
            room_rank("${rel}" ${lib} "${order}" own)
            if(own STREQUAL "unlisted")
                list(APPEND violations "${rel}: in a room of ${lib} that is not in its order")
            endif()
        endforeach()
        foreach(line ${includes})
            string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" target "${line}")
            string(REGEX REPLACE "/.*" "" target_layer "${target}")
            list(FIND layers ${target_layer} target_rank)
            if(target_rank GREATER rank)
                list(APPEND violations "${rel}: ${line} (layer ${layer} below ${target_layer})")
            endif()
            foreach(order ${room_orders})
                string(REGEX REPLACE ":.*" "" lib "${order}")
                room_rank("${rel}" ${lib} "${order}" own)
                room_rank("${target}" ${lib} "${order}" other)
                if(own MATCHES "^[0-9]+$" AND other MATCHES "^[0-9]+$" AND other GREATER own)
                    list(APPEND violations "${rel}: ${line} (a higher room of ${lib})")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()
if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes that run up the layers or rooms:\n  ${text}")
endif()
message(STATUS "Every include runs down the layers and rooms.")
