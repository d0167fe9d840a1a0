# Runs one fuzz target: a fresh work folder, a fixed seed, a fixed number of runs.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${TARGET} -runs=${RUNS} -seed=1 -max_len=2048 -print_final_stats=1 ${WORK} ${CORPUS}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TARGET} found a failing input (exit ${result}); it is in the folder the run names above")
endif()
