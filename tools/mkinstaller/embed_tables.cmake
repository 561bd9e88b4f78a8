# Writes OUTPUT, a C++ source holding the ready translation tables of FOLDER (LANGUAGE.txt for
# each of LANGUAGES) byte for byte, so that the packer carries them wherever it is installed.
set(entries "")
foreach(language ${LANGUAGES})
  file(READ ${FOLDER}/${language}.txt bytes HEX)
  string(REGEX REPLACE "(..)" "\\\\x\\1" escaped "${bytes}")
  string(APPEND entries "    {\"${language}\", \"${escaped}\"},\n")
endforeach()
file(WRITE ${OUTPUT}.new "// Made by embed_tables.cmake from the files of translations/.\n"
  "#include \"tools/mkinstaller/ready_translations.h\"\n\n"
  "const ReadyTableText readyTableTexts[] = {\n${entries}};\n"
  "const int readyTableCount = sizeof readyTableTexts / sizeof readyTableTexts[0];\n")
# Rewritten only when it changes, so that an unchanged table compiles nothing.
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUTPUT}.new ${OUTPUT})
