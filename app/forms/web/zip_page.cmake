# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs FILES (in the working folder) into the zip ZIP, in the order given, each entry with the
# time SOURCE_DATE_EPOCH gives, or 1 January 1980 (the zip format's first day) without one, and
# no other times or owners, and every file readable by all and writable by its owner alone,
# whatever the umask of the checkout and the build: the same files give the same bytes.
if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
else()
  set(epoch 315532800)
endif()
set(stage "${ZIP}.files")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
foreach(name IN LISTS FILES)
  file(COPY_FILE "${name}" "${stage}/${name}")
  file(CHMOD "${stage}/${name}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
file(REMOVE "${ZIP}")
execute_process(COMMAND touch -d "@${epoch}" ${FILES} WORKING_DIRECTORY "${stage}"
                COMMAND_ERROR_IS_FATAL ANY)
# -X: no owners and no times but the one a zip entry has; -D: no folder entries.
execute_process(COMMAND env TZ=UTC zip -q -X -D "${ZIP}" ${FILES} WORKING_DIRECTORY "${stage}"
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${stage}")
