# Fails when a source file includes a folder it must not depend on. Includes point one way:
# platform/ uses nothing of ours, model/ only platform/, the screen folders platform/ and
# model/ (never app/), app/ everything.
#   cmake -DSOURCE_DIR=<checkout> -P CheckIncludeDirections.cmake
cmake_minimum_required(VERSION 3.24)
set(folders platform model log summary route exchange app)
set(forbidden_platform model log summary route exchange app)
set(forbidden_model log summary route exchange app)
set(forbidden_log app)
set(forbidden_summary app)
set(forbidden_route app)
set(forbidden_exchange app)
set(forbidden_app)

set(violations)
foreach(folder ${folders})
    file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
        ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line ${includes})
            string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
            if(included MATCHES "^([a-z]+)/")
                set(target ${CMAKE_MATCH_1})
            else()
                # A bare name (as the generated registrations write them): find its folder.
                set(target)
                foreach(candidate ${folders})
                    if(EXISTS ${SOURCE_DIR}/${candidate}/${included})
                        set(target ${candidate})
                    endif()
                endforeach()
            endif()
            if(target AND target IN_LIST forbidden_${folder})
                list(APPEND violations "${source} includes ${included} (${folder} -> ${target})")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes against the folder order:\n  ${text}")
endif()
