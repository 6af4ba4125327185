#!/usr/bin/env bash
# The batch: 1000 copies of the 20-span beam (tests/data/viga-20-vanos.vcw) run by one
# `trabelux-cli calc FOLDER --json-lines` on two threads; prints projects per second, the
# best of three runs (target: 2000 or more on two cores).
# Usage: benchmarks/lote.sh [BUILD_DIR]
set -euo pipefail
fuente=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$fuente/build}/bin/trabelux-cli
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
for i in $(seq -w 1 1000); do cp "$fuente/tests/data/viga-20-vanos.vcw" "$carpeta/v$i.vcw"; done
mejor=0
for vez in 1 2 3; do
  inicio=$(date +%s%N)
  "$cli" calc "$carpeta" --json-lines --double=yes --jobs 2 >/dev/null
  fin=$(date +%s%N)
  porSegundo=$((1000 * 1000000000 / (fin - inicio)))
  [ "$porSegundo" -gt "$mejor" ] && mejor=$porSegundo
done
lineas=$("$cli" calc "$carpeta" --json-lines --double=yes --jobs 2 | grep -c '"status":"ok"')
[ "$lineas" -eq 1000 ] || { echo "only $lineas of 1000 runs completed" >&2; exit 1; }
echo "lote: $mejor proyectos por segundo (1000 vigas de 20 vanos, --jobs 2)"
