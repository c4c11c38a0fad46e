# Runs the generator into a scratch file and compares it with the committed
# table byte for byte.
execute_process(COMMAND ${GENERATOR} ${SCRATCH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generator failed (${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH} ${COMMITTED}
  RESULT_VARIABLE differs)
file(REMOVE ${SCRATCH})
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "resources/solar_terms.dat differs from the generator's output; "
                      "rebuild it with the solar_terms_table target")
endif()
