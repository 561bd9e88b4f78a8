# Keeps the linked stub with its symbols beside it (STUB_SYMBOLS, read by scripts/stub-size),
# strips it, checks it against its budget and pads it with zero bytes to exactly STUB_SIZE, the
# offset at which the payload container starts.
file(COPY_FILE "${STUB}" "${STUB_SYMBOLS}")
execute_process(COMMAND "${STRIP}" --strip-all "${STUB}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "could not strip ${STUB}")
endif()
file(SIZE "${STUB}" linked)
message("stub: ${linked} of ${STUB_SIZE} bytes")
if(linked GREATER STUB_SIZE)
  file(REMOVE "${STUB}")
  message(FATAL_ERROR "the stub is ${linked} bytes, over its budget of ${STUB_SIZE}: it cannot carry a payload at its fixed offset")
endif()
execute_process(COMMAND truncate -s ${STUB_SIZE} "${STUB}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "could not pad ${STUB}")
endif()
