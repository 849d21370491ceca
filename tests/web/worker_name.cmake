# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The service worker's cache name follows the page's files: the same files give the same name
# wherever they are built, and a change in any one file gives another.
#   cmake -DSCRIPT=<service_worker.cmake> -DTEMPLATE=<service-worker.js.in> -DWORK=<folder>
#         -P worker_name.cmake
function(cache_name folder out)
  execute_process(COMMAND ${CMAKE_COMMAND} -DIN=${TEMPLATE} -DOUT=service-worker.js
                          -DPROJECT_VERSION=1.2.3.4 "-DFILES=index.html;velmara.wasm"
                          -P ${SCRIPT}
                  WORKING_DIRECTORY ${folder} COMMAND_ERROR_IS_FATAL ANY)
  file(STRINGS ${folder}/service-worker.js line REGEX "^const kFiles = ")
  if(NOT line MATCHES "'velmara-1\\.2\\.3\\.4-[0-9a-f]+'")
    message(FATAL_ERROR "no cache name of this version in ${folder}: ${line}")
  endif()
  set(${out} "${line}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
foreach(folder first second)
  file(WRITE ${WORK}/${folder}/index.html "<!DOCTYPE html>\n")
  file(WRITE ${WORK}/${folder}/velmara.wasm "program")
endforeach()
cache_name(${WORK}/first first)
cache_name(${WORK}/second second)
if(NOT first STREQUAL second)
  message(FATAL_ERROR "the same files under two names: ${first} and ${second}")
endif()
file(WRITE ${WORK}/second/velmara.wasm "program, changed")
cache_name(${WORK}/second changed)
if(first STREQUAL changed)
  message(FATAL_ERROR "a changed file kept the old name: ${changed}")
endif()
message(STATUS "${first}; changed: ${changed}")
