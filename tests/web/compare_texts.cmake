# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the number texts program on its table and holds every output line to the table's row:
#   cmake -DPROGRAM=<number_texts> [-DNODE=<node>] -DTABLE=<number_texts.tsv> -P compare_texts.cmake
# With NODE the program is the web build's JavaScript, run under Node. Node's own fetch would
# make the loader fetch the WebAssembly file rather than read it from the disk: it is turned off.
if(NODE)
  set(command "${NODE}" --no-experimental-fetch "${PROGRAM}")
else()
  set(command "${PROGRAM}")
endif()
execute_process(COMMAND ${command} INPUT_FILE "${TABLE}" OUTPUT_VARIABLE output
                ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${command} exited with ${result}:\n${errors}")
endif()

file(STRINGS "${TABLE}" rows REGEX "^[^#]")
string(REGEX REPLACE "\n$" "" output "${output}")
string(REPLACE "\n" ";" lines "${output}")
list(LENGTH rows rowCount)
list(LENGTH lines lineCount)
if(NOT rowCount EQUAL lineCount)
  message(FATAL_ERROR "${rowCount} rows in the table, ${lineCount} lines written:\n${output}")
endif()

set(faults 0)
math(EXPR last "${rowCount} - 1")
foreach(i RANGE ${last})
  list(GET rows ${i} row)
  list(GET lines ${i} line)
  if(NOT line STREQUAL row)
    message("expected: ${row}\n     got: ${line}")
    math(EXPR faults "${faults} + 1")
  endif()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} of ${rowCount} rows differ from the table")
endif()
message("All ${rowCount} rows as in the table")
