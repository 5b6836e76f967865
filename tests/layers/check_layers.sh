#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a higher layer, or when
# ui/ and cli/ include each other. The layers, lowest first; each may include
# only from itself and the ones before it. main.cpp, at the top, may include
# anything.
set -euo pipefail

SRC="${1:?usage: check_layers.sh SRC_DIR}"
LAYERS=(platform genetics app_state picture history family_tree "ui cli")

rank_of() {
  local i
  for i in "${!LAYERS[@]}"; do
    for name in ${LAYERS[$i]}; do
      [ "$name" = "$1" ] && { echo "$i"; return; }
    done
  done
  echo -1
}

status=0
while IFS= read -r -d '' file; do
  relative="${file#"$SRC"/}"
  layer="${relative%%/*}"
  [ "$layer" = "$relative" ] && continue  # a file at the top: main.cpp
  own=$(rank_of "$layer")
  if [ "$own" -lt 0 ]; then
    echo "$relative: folder $layer is in no layer (add it to tests/layers/check_layers.sh)"
    status=1
    continue
  fi
  while IFS= read -r target; do
    used="${target%%/*}"
    [ "$used" = "$layer" ] && continue
    rank=$(rank_of "$used")
    [ "$rank" -lt 0 ] && continue  # not one of ours
    if [ "$rank" -ge "$own" ]; then
      echo "$relative includes $target: $used is not below $layer"
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$SRC" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)

[ "$status" -eq 0 ] && echo "Every include under $SRC runs down the layers: ${LAYERS[*]}"
exit "$status"
