# Refreshes the translation source from the program sources:
#   cmake -DLUPDATE=<lupdate> -DROOT=<source tree> -DTS=<.ts file> "-DDIRS=a;b" -P lupdate.cmake
# Folders that do not exist yet are skipped. No file locations are stored and
# vanished texts are dropped, so the result depends on the texts only.
set(inputs)
foreach(dir ${DIRS})
    if(IS_DIRECTORY ${ROOT}/${dir})
        list(APPEND inputs ${dir})
    endif()
endforeach()
if(NOT inputs)
    message(FATAL_ERROR "none of ${DIRS} exists under ${ROOT}")
endif()
execute_process(
    COMMAND ${LUPDATE} -silent -no-obsolete -locations none -no-ui-lines
            -source-language pl_PL -target-language en_US ${inputs} -ts ${TS}
    WORKING_DIRECTORY ${ROOT}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result})")
endif()
