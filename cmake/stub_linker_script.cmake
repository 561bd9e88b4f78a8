# Writes the stub's linker script: the linker's own default with two changes.
# - The unwind tables of the linked libraries (zlib, the C runtime) are left out. The stub has no
#   exceptions, so nothing reads them; the start files keep their empty table, which the runtime
#   registers at start-up.
# - Fewer sections: each one starts on a 512-byte boundary in the file, so a small section costs
#   a whole block. Read-only data and the start files' unwind table go into .text; the runtime's
#   start-up lists and the thread-local template into .data (the template first, since
#   thread-local offsets count from the start of its section). The import tables keep their
#   section, which the program header's import directory names; .bss takes no room in the file.
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

function(unexpected what)
  message(FATAL_ERROR "the default linker script of ${CMAKE_LINKER} has an unexpected form (${what})")
endfunction()

# Removes the output section NAME from script and returns its contents in the variable BODY.
function(cut_section name body)
  string(FIND "${script}" "\n  ${name} BLOCK(__section_alignment__) :\n  {\n" start)
  if(start EQUAL -1)
    unexpected("no section ${name}")
  endif()
  string(SUBSTRING "${script}" ${start} -1 tail)
  string(FIND "${tail}" "\n  }\n" end)
  string(LENGTH "\n  ${name} BLOCK(__section_alignment__) :\n  {\n" header)
  math(EXPR inner "${end} - ${header}")
  string(SUBSTRING "${tail}" ${header} ${inner} contents)
  math(EXPR after "${end} + 4")
  string(SUBSTRING "${tail}" ${after} -1 rest)
  string(SUBSTRING "${script}" 0 ${start} before)
  set(script "${before}${rest}" PARENT_SCOPE)
  set(${body} "${contents}\n" PARENT_SCOPE)
endfunction()

# Puts TEXT into the script just before MARK, which must be there.
function(insert_before mark text)
  string(FIND "${script}" "${mark}" at)
  if(at EQUAL -1)
    unexpected("no ${mark}")
  endif()
  string(REPLACE "${mark}" "${text}${mark}" script "${script}")
  set(script "${script}" PARENT_SCOPE)
endfunction()

string(REPLACE "KEEP(*(.eh_frame*))" "KEEP(*crtbegin.o(.eh_frame*))\n    KEEP(*crtend.o(.eh_frame*))"
       script "${script}")
string(REPLACE "/DISCARD/ :\n  {" "/DISCARD/ :\n  {\n    *(.eh_frame*)" script "${script}")
string(FIND "${script}" "*(.eh_frame*)" discarded)
if(discarded EQUAL -1)
  unexpected("no unwind tables")
endif()

# The read-only data ends with the runtime's pseudo-relocation list, whose bounds the script
# defines right after the section: they move with it.
cut_section(.rdata rdata)
string(REGEX MATCH "  __rt_psrelocs_size = [^\n]*\n(  _*RUNTIME_PSEUDO_RELOC_LIST[^\n]*\n)+" bounds
       "${script}")
if(NOT bounds)
  unexpected("no pseudo-relocation list")
endif()
string(REPLACE "${bounds}" "" script "${script}")
string(REPLACE "  " "    " bounds "${bounds}")
cut_section(.eh_frame unwind)
insert_before("    PROVIDE (etext = .);" "${rdata}${bounds}    . = ALIGN(4);\n${unwind}")

# The start-up lists: the default script leaves the bounds of the thread-local initialisers
# (.CRT$XD*) to an orphan section of their own.
cut_section(.CRT startup_lists)
cut_section(.tls thread_local)
insert_before("    __data_start__ = . ;" "${thread_local}")
insert_before("    *(.data_cygwin_nocopy)"
              "${startup_lists}    KEEP (*(SORT(.CRT$XD*)))  /* thread-local initialisers */\n")

file(WRITE "${STUB_LINKER_SCRIPT}" "${script}")
