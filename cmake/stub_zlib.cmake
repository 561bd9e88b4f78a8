# zlib's inflater for the stub, compiled from Debian's source of the mingw library's version
# (scripts/bootstrap unpacks it into ZLIB_SOURCE_DIR). The mingw libz.a is built at -O3 without
# function sections, so the stub would carry functions it never calls and tables made for speed;
# built here at the stub's size flags it is about half as large. The hot loop (inffast.c) keeps
# -O2, so unpacking is as fast as with the library. The fixed Huffman tables are built at the
# first use instead of being stored (BUILDFIXED): only one thread inflates at a time.
# The stub supplies crc32 and adler32 itself (app/stub_zlib_checks.cpp). Defines the object
# library stub_zlib.
set(ZLIB_SOURCE_DIR /usr/local/src/zlib-inflate CACHE PATH "zlib's source for the stub's inflater")
if(NOT EXISTS ${ZLIB_SOURCE_DIR}/inflate.c)
  message(FATAL_ERROR "zlib's source is missing from ${ZLIB_SOURCE_DIR}: run scripts/bootstrap")
endif()
file(STRINGS ${ZLIB_SOURCE_DIR}/zlib.h source_version REGEX "^#define ZLIB_VERSION ")
file(STRINGS ${CMAKE_FIND_ROOT_PATH}/include/zlib.h library_version REGEX "^#define ZLIB_VERSION ")
if(NOT source_version STREQUAL library_version)
  message(FATAL_ERROR "zlib's source in ${ZLIB_SOURCE_DIR} (${source_version}) is not the mingw "
                      "library's version (${library_version}): run scripts/bootstrap")
endif()
add_library(stub_zlib OBJECT ${ZLIB_SOURCE_DIR}/inflate.c ${ZLIB_SOURCE_DIR}/inftrees.c
            ${ZLIB_SOURCE_DIR}/inffast.c ${ZLIB_SOURCE_DIR}/zutil.c)
target_include_directories(stub_zlib PRIVATE ${ZLIB_SOURCE_DIR})
target_compile_definitions(stub_zlib PRIVATE BUILDFIXED)
# No data sections: with them this compiler puts zero-filled statics (the fixed tables) into
# the file's data instead of the uninitialised section.
target_compile_options(stub_zlib PRIVATE -Oz -ffunction-sections ${STUB_FRAME_FLAGS} -w)
set_source_files_properties(${ZLIB_SOURCE_DIR}/inffast.c PROPERTIES COMPILE_OPTIONS -O2)
