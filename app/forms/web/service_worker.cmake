# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the service worker OUT from its template IN for the page's FILES (in the working
# folder): the list of files it keeps, and the name of the cache it keeps them in, which
# changes with the content of any of them, so that every new build of the page is a new version
# the browser takes on the next visit.
set(digests "")
set(names "'./'")
foreach(name IN LISTS FILES)
  file(SHA256 "${name}" digest)
  string(APPEND digests "${name} ${digest}\n")
  string(APPEND names ", '${name}'")
endforeach()
string(SHA256 content "${digests}")
string(SUBSTRING "${content}" 0 16 VELMARA_WEB_CONTENT)
set(VELMARA_WEB_FILES "${names}")
configure_file("${IN}" "${OUT}" @ONLY)
