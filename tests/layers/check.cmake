# Checks the layering of the product code (see DESIGN.md) from its
# #include lines:
#   - each folder includes only the folders its layer may use: core nothing
#     else, render the core, a subsystem the core and render, app anything;
#   - nothing outside app/ includes a Qt Widgets or Qt Print Support header,
#     nor one of Qt Multimedia;
#   - no two folders include each other.
#
#   cmake -DSOURCE_DIR=... -DWIDGETS_HEADERS_DIR=... -P check.cmake

cmake_minimum_required(VERSION 3.25)

set(subsystems model light zoom unknown output)
set(folders core render ${subsystems} notebook app)
set(allowed_core core)
set(allowed_render core render)
foreach(subsystem ${subsystems})
    set(allowed_${subsystem} core render ${subsystem})
endforeach()
# The notebook reads the controls and the state; it draws nothing.
set(allowed_notebook core notebook)
set(allowed_app ${folders})

file(GLOB widgets_headers RELATIVE ${WIDGETS_HEADERS_DIR} ${WIDGETS_HEADERS_DIR}/Q*)
set(problems "")

foreach(folder ${folders})
    set(uses_${folder} "")
    file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source ${sources})
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line ${includes})
            if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
                set(header ${CMAKE_MATCH_1})
                if(header MATCHES "^([a-z]+)/")
                    set(target ${CMAKE_MATCH_1})
                else()
                    set(target ${folder})
                endif()
                if(NOT target IN_LIST allowed_${folder})
                    string(APPEND problems "${shown}: ${folder}/ may not include ${header}\n")
                endif()
                if(NOT target STREQUAL folder)
                    list(APPEND uses_${folder} ${target})
                endif()
            elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
                set(header ${CMAKE_MATCH_1})
                string(REGEX REPLACE "^.*/" "" name ${header})
                if(NOT folder STREQUAL "app"
                   AND (header MATCHES "^Qt(Widgets|PrintSupport|Multimedia)/" OR name IN_LIST widgets_headers
                        OR name MATCHES "^(QPrint|QAudio|QMediaDevices|QSoundEffect)"))
                    string(APPEND problems "${shown}: only app/ may include the widget header <${header}>\n")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

foreach(folder ${folders})
    list(REMOVE_DUPLICATES uses_${folder})
    foreach(other ${uses_${folder}})
        if(folder IN_LIST uses_${other} AND folder STRLESS other)
            string(APPEND problems "${folder}/ and ${other}/ include each other\n")
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "The layering is broken:\n${problems}")
endif()
message(STATUS "Layers: every include goes down a layer or stays in its folder")
