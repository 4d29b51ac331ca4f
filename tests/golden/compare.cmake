# Runs one golden scenario and compares what it prints with the expected
# text kept beside the script (NAME.out for NAME.scn).
string(REGEX REPLACE "\\.scn$" ".out" expected_file "${SCRIPT}")
execute_process(COMMAND "${RUNNER}" "${SCRIPT}" OUTPUT_VARIABLE actual ERROR_VARIABLE errors)
file(WRITE "${ACTUAL}" "${actual}")
file(READ "${expected_file}" expected)
if(NOT actual STREQUAL expected)
    execute_process(COMMAND diff -u "${expected_file}" "${ACTUAL}")
    message(FATAL_ERROR "${SCRIPT}: the output differs from ${expected_file} ${errors}")
endif()
