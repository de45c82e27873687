# Runs a test program at another DPI in the tests' throwaway Wine prefix:
#   cmake -DWINE=wine -DDPI=144 -DPROGRAM=dpi_tests.exe -P AtDpi.cmake
# Wine reads the DPI from the user's LogPixels setting when a program starts, so the value is
# set before the program starts, and the old one (or none) is put back once it has ended,
# whatever its end.
set(key "HKCU\\Control Panel\\Desktop")
execute_process(COMMAND ${WINE} reg query ${key} /v LogPixels
                OUTPUT_VARIABLE query RESULT_VARIABLE missing ERROR_QUIET)
string(REGEX MATCH "REG_DWORD[ \t]+(0x[0-9a-fA-F]+)" found "${query}")
set(old ${CMAKE_MATCH_1})

execute_process(COMMAND ${WINE} reg add ${key} /v LogPixels /t REG_DWORD /d ${DPI} /f
                OUTPUT_QUIET RESULT_VARIABLE set_failed)
if(set_failed)
    message(FATAL_ERROR "cannot set LogPixels to ${DPI}")
endif()
execute_process(COMMAND ${WINE} ${PROGRAM} RESULT_VARIABLE code)
if(old)
    math(EXPR old_value "${old}" OUTPUT_FORMAT DECIMAL)
    execute_process(COMMAND ${WINE} reg add ${key} /v LogPixels /t REG_DWORD /d ${old_value} /f
                    OUTPUT_QUIET)
else()
    execute_process(COMMAND ${WINE} reg delete ${key} /v LogPixels /f OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT code EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} at ${DPI} DPI ended with ${code}")
endif()
