# Turns data/colornames.tsv into a C++ table compiled into prismara_core, so the dictionary needs
# no file at run time. Run as a script: cmake -DINPUT=... -DOUTPUT=... -P colornames_table.cmake
# Each line "css|xkcd<TAB>name<TAB>RRGGBB" becomes {NameSource::..., "name", 0xRRGGBB}; lines
# starting with "#" are comments. Anything else stops the build.
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(body "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^(css|xkcd)\t([^\t\"\\\\]+)\t([0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F])$")
    message(FATAL_ERROR "${INPUT}: malformed line: ${line}")
  endif()
  if(CMAKE_MATCH_1 STREQUAL "css")
    set(source "NameSource::Css")
  else()
    set(source "NameSource::Xkcd")
  endif()
  string(APPEND body "    {${source}, \"${CMAKE_MATCH_2}\", 0x${CMAKE_MATCH_3}},\n")
  math(EXPR count "${count} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from data/colornames.tsv by cmake/colornames_table.cmake; do not edit.\n"
  "// ${count} entries: {source, name, 0xRRGGBB}.\n"
  "${body}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
