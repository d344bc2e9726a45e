# One bounded fuzz run: the seeds, then new inputs for SECONDS seconds. The
# inputs it finds are kept in WORK/corpus for the next run; a crashing input
# is saved in WORK.
#   cmake -DFUZZER=... -DSEEDS=... -DWORK=... -DSECONDS=... -P RunFuzzer.cmake
if(NOT EXISTS ${FUZZER})
  message(FATAL_ERROR "${FUZZER} is not built")
endif()
file(MAKE_DIRECTORY ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
    -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus ${SEEDS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input that did it is in ${WORK}")
endif()
