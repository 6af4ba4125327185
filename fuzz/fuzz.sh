#!/usr/bin/env bash
# Runs the libFuzzer targets (built with clang, ASan and UBSan in build-san/) for a
# bounded time each and prints the executions reached:
#   fuzz/fuzz.sh [SECONDS] [TARGET...]     SECONDS per target (default 60);
#                                          targets: lee_archivo losas perfiles (default all)
# CI runs it for under a minute per target; for long runs give more seconds, e.g.
#   fuzz/fuzz.sh 1800 losas
# New inputs found are kept in build-san/fuzz/<target>/ (used again on the next run);
# an input that fails is written to build-san/fuzz/<target>-crash-... and the script
# fails. Copy interesting inputs into fuzz/corpus/<target>/ to keep them.
set -euo pipefail
cd "$(dirname "$0")/.."
SEGUNDOS=${1:-60}
shift || true
OBJETIVOS=("$@")
[ ${#OBJETIVOS[@]} -eq 0 ] && OBJETIVOS=(lee_archivo losas perfiles)
SAN_DIR=${SAN_DIR:-build-san}

scripts/build-san "${OBJETIVOS[@]/%/_fuzz}"
source scripts/sanitizer-env

fallos=0
for t in "${OBJETIVOS[@]}"; do
  trabajo="$SAN_DIR/fuzz/$t"
  mkdir -p "$trabajo"
  # Project and slab files of a 20-span beam fit in 8 KB; 20 shapes are enough to
  # reach every path of the shapes table (the whole table is replayed by ctest).
  largo=(-max_len=8192)
  [ "$t" = perfiles ] && largo=(-max_len=1200)
  registro="$SAN_DIR/fuzz/$t.log"
  if "$SAN_DIR/bin/${t}_fuzz" -max_total_time="$SEGUNDOS" -timeout=10 -rss_limit_mb=2048 \
      -dict="fuzz/$t.dict" "${largo[@]}" -print_final_stats=1 \
      -artifact_prefix="$SAN_DIR/fuzz/$t-" "$trabajo" "fuzz/corpus/$t" >"$registro" 2>&1; then
    estado=ok
  else
    estado=FALLO
    fallos=1
    tail -n 40 "$registro"
  fi
  ejecuciones=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$registro" | grep -o '[0-9]*$' || echo 0)
  ritmo=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$registro" | grep -o '[0-9]*$' || echo 0)
  echo "fuzz $t: $estado, $ejecuciones ejecuciones en ${SEGUNDOS}s ($ritmo/s)"
done
exit $fallos
