# One static library per layer folder, built from every source beneath it.
# A layer links only the layers below it:
#   core <- platform (gdi, settings, prompts, desktop) <- anybutton <- editor <- shell <- app
function(ostra_add_library name)
    cmake_parse_arguments(L "" "" "LIBS;EXCLUDE" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    foreach(skip ${L_EXCLUDE})
        list(FILTER sources EXCLUDE REGEX "${CMAKE_CURRENT_SOURCE_DIR}/${skip}/")
    endforeach()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${L_LIBS})
endfunction()
