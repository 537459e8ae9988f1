# Copies the shipped files of one folder (the game sets of config/, the scripts of
# starting-points/) into the program's folder of the same name and removes the ones an earlier
# build copied that no longer ship. Files the user saved there are never touched: only names
# recorded in the manifest of the last copy are removed.
#
# Run with -DSOURCE_DIR=<repository folder> -DTARGET_DIR=<program folder>
#          -DMANIFEST=<file listing the names copied last time> [-DPATTERN=<files, *.set if unset>]
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED PATTERN)
    set(PATTERN "*.set")
endif()
file(GLOB shipped RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${PATTERN})
file(MAKE_DIRECTORY ${TARGET_DIR})
foreach(name IN LISTS shipped)
    file(COPY_FILE ${SOURCE_DIR}/${name} ${TARGET_DIR}/${name} ONLY_IF_DIFFERENT)
endforeach()

if(EXISTS ${MANIFEST})
    file(STRINGS ${MANIFEST} copiedBefore)
    foreach(name IN LISTS copiedBefore)
        if(NOT name IN_LIST shipped)
            file(REMOVE ${TARGET_DIR}/${name})
        endif()
    endforeach()
endif()
list(JOIN shipped "\n" manifestText)
file(WRITE ${MANIFEST} "${manifestText}\n")
