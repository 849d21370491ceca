# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the installer's script with the installed files' size, known once the program is built.
file(SIZE ${EXE} exe_bytes)
file(SIZE ${LICENCE} licence_bytes)
math(EXPR VELMARA_INSTALLED_KB "(${exe_bytes} + ${licence_bytes} + 1023) / 1024")
set(VELMARA_EXE ${EXE})
set(VELMARA_LICENCE ${LICENCE})
configure_file(${IN} ${OUT} @ONLY)
