# Every text of the code has a finished entry in every language, and the .ts files are as lupdate
# leaves them: a copy of each is brought up to date with the code, must then have nothing
# unfinished for lrelease, and must not differ from the file in the tree.
#   cmake -DLUPDATE=... -DLRELEASE=... -DSOURCE_DIR=... -DWORK=... -P translations.cmake
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
file(GLOB ts_files ${SOURCE_DIR}/translations/*.ts)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(faults "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK}/${name} COPYONLY)
    # Italian is the source: its file holds only the plural forms.
    set(plural "")
    if(name MATCHES "_it\\.ts$")
        set(plural -pluralonly)
    endif()
    execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete ${plural} ${sources} -ts ${WORK}/${name}
                    RESULT_VARIABLE updated)
    execute_process(COMMAND ${LRELEASE} ${WORK}/${name} -qm ${WORK}/${name}.qm
                    OUTPUT_VARIABLE released ERROR_VARIABLE warnings RESULT_VARIABLE status)
    message(STATUS "${name}: ${released}${warnings}")
    if(NOT updated EQUAL 0 OR NOT status EQUAL 0 OR NOT released MATCHES " 0 unfinished"
       OR released MATCHES "untranslated")
        string(APPEND faults "${name}: texts without a finished translation\n")
    endif()
    file(READ ${ts} committed)
    file(READ ${WORK}/${name} current)
    if(NOT committed STREQUAL current)
        string(APPEND faults "${name}: not as lupdate leaves it; run: cmake --build build --target update_translations\n")
    endif()
endforeach()
if(faults)
    message(FATAL_ERROR "${faults}")
endif()
