# run(COMMAND...): runs a command for the package checks and stops the check
# with the command's output when it fails; the output is left in `output`.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        string(JOIN " " command ${ARGN})
        message(FATAL_ERROR "${command}: ${status}\n${output}")
    endif()
    set(output "${output}" PARENT_SCOPE)
endfunction()
