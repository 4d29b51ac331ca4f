# Checks the layering of the product code (see DESIGN.md) from its
# #include lines:
#   - each folder includes only the folders its layer may use: core nothing
#     else, render the core, a subsystem the core and render, app anything;
#   - nothing outside the window layer (app/, notebookwindow/, screenreader/) includes a
#     Qt Widgets, Qt Print Support or Qt Multimedia header;
#   - the notebook's window uses the core and the notebook, never app/;
#   - no two folders include each other.
#
#   cmake -DSOURCE_DIR=... -DWIDGETS_HEADERS_DIR=... -P check.cmake

cmake_minimum_required(VERSION 3.25)

set(subsystems model light zoom unknown output)
set(folders core render ${subsystems} notebook screenreader notebookwindow app)
set(allowed_core core)
set(allowed_render core render)
foreach(subsystem ${subsystems})
    set(allowed_${subsystem} core render ${subsystem})
endforeach()
# The notebook reads the controls and the state; it draws nothing.
set(allowed_notebook core notebook)
# The notebook's window shows the notebook; the main window opens it.
set(allowed_notebookwindow core notebook screenreader notebookwindow)
# What both windows tell a screen reader beyond their widgets.
set(allowed_screenreader screenreader)
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
                if(NOT folder MATCHES "^(app|notebookwindow|screenreader)$"
                   AND (header MATCHES "^Qt(Widgets|PrintSupport|Multimedia)/" OR name IN_LIST widgets_headers
                        OR name MATCHES "^(QPrint|QAudio|QMediaDevices|QSoundEffect)"))
                    string(APPEND problems "${shown}: only the window layer may include the widget header <${header}>
")
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
