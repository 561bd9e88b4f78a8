# Writes the stub's linker script: the linker's own default with the unwind tables of the linked
# libraries (zlib, the C runtime) left out. The stub has no exceptions, so nothing reads them; the
# start files keep their empty table, which the runtime registers at start-up.
# Usage: include() with STUB_LINKER_SCRIPT set to the file to write.
execute_process(COMMAND ${CMAKE_LINKER} --verbose OUTPUT_VARIABLE verbose RESULT_VARIABLE rc)
string(FIND "${verbose}" "==================================================" first)
string(FIND "${verbose}" "==================================================" last REVERSE)
if(NOT rc EQUAL 0 OR first EQUAL last)
  message(FATAL_ERROR "no default linker script from ${CMAKE_LINKER} --verbose")
endif()
math(EXPR first "${first} + 50")
math(EXPR length "${last} - ${first}")
string(SUBSTRING "${verbose}" ${first} ${length} script)
set(kept "KEEP(*crtbegin.o(.eh_frame*))\n    KEEP(*crtend.o(.eh_frame*))")
string(REPLACE "KEEP(*(.eh_frame*))" "${kept}" script "${script}")
string(REPLACE "/DISCARD/ :\n  {" "/DISCARD/ :\n  {\n    *(.eh_frame*)" script "${script}")
string(FIND "${script}" "*(.eh_frame*)" discarded)
if(discarded EQUAL -1)
  message(FATAL_ERROR "the default linker script of ${CMAKE_LINKER} has an unexpected form")
endif()
file(WRITE "${STUB_LINKER_SCRIPT}" "${script}")
