#!/usr/bin/env bash
# Checks that no #include runs upward or sideways between the layers.
# Each folder may include only itself and the folders below it; a test
# folder may include what the folder it mirrors may (tests/pages stands for
# editor/pages, tests/platform for platform, tests/writer for writer).
set -euo pipefail
cd "$(dirname "$0")/.."

find platform editor writer tests \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(platform|editor|writer)/' |
  awk '
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
  failures = 0
}
# The layer of a file: the longest folder of the table that holds it.
function layer_of(path,    dir) {
  if (sub(/^tests\//, "", path) && path !~ /^(platform|writer)\//) path = "editor/" path
  dir = path
  while (sub(/\/[^\/]*$/, "", dir)) {
    if (dir in allowed) return dir
  }
  return ""
}
function may_include(layer, included,    n, entries, i) {
  n = split(allowed[layer], entries, " ")
  for (i = 1; i <= n; i++) {
    if (included == entries[i] || index(included, entries[i] "/") == 1) return 1
  }
  return 0
}
{
  file = substr($0, 1, index($0, ":") - 1)
  included = $0
  sub(/^[^"]*"/, "", included)
  sub(/".*$/, "", included)
  layer = layer_of(file)
  if (layer != "" && !may_include(layer, included)) {
    print file ": includes " included ", which lies above or beside " layer > "/dev/stderr"
    failures++
  }
}
END {
  if (failures) {
    print failures " include(s) across the layers" > "/dev/stderr"
    exit 1
  }
  print "Layers: no include runs upward or sideways"
}'
