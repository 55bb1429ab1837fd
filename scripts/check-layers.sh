#!/usr/bin/env bash
# Checks that no #include runs upward or sideways between the layers.
# Each folder may include only itself and the folders below it; a test
# folder may include what the folder it mirrors may (tests/pages stands for
# editor/pages, tests/platform for platform, tests/writer for writer), and
# the shared test support. Every include is read, quoted or angled: it is
# resolved the way the compiler does (a quoted one beside the including file
# first, then the source root, then tests/ for a test), so a relative path or
# one through tests/ is judged by the file it names; an angled one that
# names no file of the tree is a system header. A file in a folder the table
# below does not know fails the check, so that a new folder is placed in the
# layers before it is used.
set -euo pipefail
cd "$(dirname "$0")/.."

# One line per include: including file, then the file it resolves to ("?"
# and the name as written when a quoted include names no file of the tree,
# "<" and the name for a system header).
resolve() {
  local file kind include candidate found beside
  while IFS=$'\t' read -r file kind include; do
    if [ "$kind" = "-" ]; then
      printf '%s\t-\n' "$file"
      continue
    fi
    found=""
    beside="${file%/*}/$include"
    [ "$kind" = "<" ] && beside=""
    for candidate in $beside "$include" "tests/$include"; do
      if [ -f "$candidate" ]; then
        found=$candidate
        break
      fi
    done
    [ "$kind" = "<" ] && [ -z "$found" ] && found="<$include"
    printf '%s\t%s\n' "$file" "${found:-?$include}"
  done
}

sources() { find platform editor writer tests bench \( -name '*.cpp' -o -name '*.h' \) "$@"; }

# Every source file also yields a line of its own (included "-"), so that a
# file without includes in an unknown folder is judged too.
{
  sources -printf '%p\t-\t-\n'
  sources -print0 |
    xargs -0 grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' |
    sed -nE -e 's/^([^:]*):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1\t"\t\2/p' \
      -e 's/^([^:]*):[[:space:]]*#[[:space:]]*include[[:space:]]*<([^>]*)>.*/\1\t<\t\2/p'
} |
  resolve |
  awk -F '\t' '
BEGIN {
  pages = "platform editor/core editor/pages"
  page_set = pages " editor/pages_hsd editor/pages_tables editor/page_set"
  document = page_set " editor/secured_partition editor/user_partition editor/document"
  allowed["platform"] = "platform"
  allowed["editor/core"] = "platform editor/core"
  allowed["editor/pages"] = pages
  allowed["editor/pages_hsd"] = pages " editor/pages_hsd"
  allowed["editor/pages_tables"] = pages " editor/pages_tables"
  allowed["editor/page_set"] = page_set
  allowed["editor/secured_partition"] = page_set " editor/secured_partition"
  allowed["editor/user_partition"] = page_set " editor/user_partition"
  allowed["editor/document"] = document
  # The editor is a client of the writer component through its interface
  # header alone.
  allowed["editor/main_window"] = document " editor/main_window writer/quarnel_interfaces.h"
  allowed["editor"] = document " editor/main_window"
  allowed["writer"] = "platform writer"
  allowed["writer/module"] = allowed["writer"]
  allowed["writer/tools"] = allowed["writer"]
  allowed["bench"] = allowed["editor"] " bench"
  # The shared test support sits on the file format and the platform.
  allowed["tests/support"] = "platform editor/core tests/support"
  failures = 0
}
# The layer a file stands for: the folder that holds it, which the table
# must know; a test stands for the folder it mirrors.
function layer_of(path,    dir) {
  if (path ~ /^tests\/support\//) return "tests/support"
  if (sub(/^tests\//, "", path) && path !~ /^(platform|writer)\//) path = "editor/" path
  dir = path
  if (!sub(/\/[^\/]*$/, "", dir)) return ""
  return dir in allowed ? dir : ""
}
# What an included file is checked as: the folder it lies in for code, the
# mirrored folder for a test file, the file itself for a lone interface
# header.
function checked_as(path) {
  if (path ~ /^tests\/support\//) return "tests/support"
  if (sub(/^tests\//, "", path) && path !~ /^(platform|writer)\//) path = "editor/" path
  return path
}
function may_include(layer, included,    n, entries, i) {
  n = split(allowed[layer], entries, " ")
  for (i = 1; i <= n; i++) {
    if (included == entries[i] || index(included, entries[i] "/") == 1) return 1
  }
  return 0
}
# A path with its "." and ".." steps taken out.
function normal(path,    n, parts, out, i, depth) {
  n = split(path, parts, "/")
  depth = 0
  for (i = 1; i <= n; i++) {
    if (parts[i] == "." || parts[i] == "") continue
    if (parts[i] == ".." && depth > 0) { depth--; continue }
    out[++depth] = parts[i]
  }
  path = ""
  for (i = 1; i <= depth; i++) path = path (i > 1 ? "/" : "") out[i]
  return path
}
function fail(message) {
  print message > "/dev/stderr"
  failures++
}
{
  file = $1
  included = $2
  layer = layer_of(file)
  if (layer == "") {
    if (included == "-") fail(file ": lies in a folder the layers do not know")
    next
  }
  if (included == "-" || included ~ /^</) next
  if (included ~ /^\?/) {
    fail(file ": includes " substr(included, 2) ", which names no file of the tree")
    next
  }
  included = normal(included)
  if (included ~ /^tests\// && file !~ /^tests\//) {
    fail(file ": includes " included ", a test file")
    next
  }
  if (included ~ /^tests\/support\// && file ~ /^tests\//) next
  if (!may_include(layer, checked_as(included)))
    fail(file ": includes " included ", which lies above or beside " layer)
}
END {
  if (failures) {
    print failures " fault(s) in the layers" > "/dev/stderr"
    exit 1
  }
  print "Layers: no include runs upward or sideways"
}'
