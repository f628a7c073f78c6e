# Holds every quoted #include of the files under TREE to the layer table in LAYERS: a file in
# folder L may include "X/..." only when X is among the layers L may include. Prints each
# include outside the table as FILE:LINE and fails.
#   cmake -DLAYERS=src/Layers.cmake -DTREE=src -P CheckIncludes.cmake
cmake_minimum_required(VERSION 3.25)
include(${LAYERS})
get_filename_component(TREE ${TREE} ABSOLUTE)

set(violations 0)
file(GLOB_RECURSE files RELATIVE ${TREE} ${TREE}/*.h ${TREE}/*.cpp ${TREE}/*.h.in)
foreach(path IN LISTS files)
    string(REGEX MATCH "^[^/]+" layer ${path})
    if(NOT layer IN_LIST LOOPSIM_LAYERS)
        continue()
    endif()
    file(STRINGS ${TREE}/${path} lines)
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
            continue()
        endif()
        set(included ${CMAKE_MATCH_1})
        string(REGEX MATCH "^[^/]+" target ${included})
        if(included MATCHES "\\.\\.")
            message("${path}:${number}: ${included} climbs out of its folder; name the layer")
            math(EXPR violations "${violations} + 1")
        elseif(target IN_LIST LOOPSIM_LAYERS AND NOT target IN_LIST LOOPSIM_LAYER_${layer}_INCLUDES)
            message("${path}:${number}: ${layer} may not include ${included} "
                    "(it may include ${LOOPSIM_LAYER_${layer}_INCLUDES})")
            math(EXPR violations "${violations} + 1")
        endif()
    endforeach()
endforeach()

if(violations GREATER 0)
    message(FATAL_ERROR "${violations} include(s) outside the layer table of ${LAYERS}")
endif()
