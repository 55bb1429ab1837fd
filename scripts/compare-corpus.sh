#!/usr/bin/env bash
# Runs the ORT corpus (bench/ort_corpus) on two commits and diffs the
# manifests: "identical" and status 0 when the editor opened, saved,
# reported and boxed every file the same way on both.
#
#   scripts/compare-corpus.sh A_COMMIT B_COMMIT
#
# Each commit's tree is exported into $WORK/A and $WORK/B (default WORK:
# build/corpus-compare of this checkout) and built in its build/ folder with
# ccache, laid out as a worktree is so that the cache serves it; the corpus
# tool of this checkout is put into both, so one tool
# measures both. JOBS (default 3) sets the build jobs and the number of
# corpus shards run side by side. The manifests and their diff stay in $WORK.
#
# By hand, for one build: build/bench/ort_corpus --out a.txt, the same with
# the other build, then diff a.txt b.txt. To look at one difference:
# ort_corpus --keep DIR --only 'ID' writes that file's outputs into DIR.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 A_COMMIT B_COMMIT" >&2; exit 2; }
ROOT=$(cd "$(dirname "$0")/.." && pwd)
WORK=${WORK:-$ROOT/build/corpus-compare}
JOBS=${JOBS:-3}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
export CCACHE_DIR=${CCACHE_DIR:-/work/.ccache}

# Builds the corpus tool of commit $2 in $WORK/$1 and writes $WORK/$1.txt.
run_side() {
  local side=$1 commit=$2 src=$WORK/$1 build=$WORK/$1/build shard pid pids=()
  rm -rf "$src"
  mkdir -p "$src"
  git -C "$ROOT" archive "$commit" | tar -x -C "$src"
  cp "$ROOT"/bench/ort_corpus.cpp "$ROOT"/bench/ort_corpus_files.cpp \
     "$ROOT"/bench/ort_corpus_files.h "$src/bench/"
  grep -q ort_corpus "$src/bench/CMakeLists.txt" || cp "$ROOT/bench/CMakeLists.txt" "$src/bench/"
  cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
  cmake --build "$build" -j "$JOBS" --target ort_corpus >/dev/null
  for ((shard = 0; shard < JOBS; shard++)); do
    "$build/bench/ort_corpus" --shard "$shard/$JOBS" --out "$WORK/$side.$shard.txt" &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid"; done # a failed shard stops the script
  for ((shard = 0; shard < JOBS; shard++)); do cat "$WORK/$side.$shard.txt"; done >"$WORK/$side.txt"
  echo "$side ($commit): $(wc -l <"$WORK/$side.txt") lines in $WORK/$side.txt"
}

run_side A "$1"
run_side B "$2"
if diff "$WORK/A.txt" "$WORK/B.txt" >"$WORK/corpus.diff"; then
  echo "identical"
else
  echo "differences: $(grep -c '^<' "$WORK/corpus.diff") lines of A changed, see $WORK/corpus.diff"
  exit 1
fi
