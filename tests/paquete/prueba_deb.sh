#!/usr/bin/env bash
# The Debian package as built by `cpack -G DEB`: what it installs, its declared
# dependencies, a desktop file the desktop accepts, and an installed trabelux-cli that
# finds its data and computes exactly what the build folder's does.
# Usage: prueba_deb.sh BUILD_DIR SOURCE_DIR. Exits 77 (skipped) when no current package.
set -euo pipefail
build=$1 fuente=$2
deb=$(ls -t "$build"/trabelux_*.deb 2>/dev/null | head -1 || true)
if [ -z "$deb" ] || [ "$deb" -ot "$build/bin/trabelux-cli" ]; then
  echo "no package newer than the build: run cpack -G DEB in $build"
  exit 77
fi
falla() { echo "FALLA: $*" >&2; exit 1; }

contenido=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for f in usr/bin/trabelux usr/bin/trabelux-cli usr/libexec/trabelux/trabelux-pinta \
         usr/share/trabelux/Aisc-dat.Dat usr/share/trabelux/trabelux.qhc \
         usr/share/trabelux/trabelux.qch usr/share/trabelux/examples/tres-vanos.vcw \
         usr/share/trabelux/verificacion/ejemplo-01.esperado \
         usr/share/applications/trabelux.desktop usr/share/mime/packages/trabelux.xml \
         usr/share/icons/hicolor/scalable/apps/trabelux.svg; do
  grep -qx "./$f" <<<"$contenido" || falla "the package lacks $f"
done
depende=$(dpkg-deb --field "$deb" Depends)
for p in libqt6widgets6 libqt6help6 qt6-qpa-plugins libqt6sql6-sqlite libqt6svg6; do
  grep -q "$p" <<<"$depende" || falla "Depends lacks $p: $depende"
done

raiz=$(mktemp -d)
trap 'rm -rf "$raiz"' EXIT
dpkg -x "$deb" "$raiz"
desktop-file-validate "$raiz/usr/share/applications/trabelux.desktop" ||
  falla "desktop-file-validate refuses the desktop file"
grep -q 'pattern="\*.vcw"' "$raiz/usr/share/mime/packages/trabelux.xml" || falla "no *.vcw glob"
grep -q 'pattern="\*.Los"' "$raiz/usr/share/mime/packages/trabelux.xml" || falla "no *.Los glob"
# The MIME package as the desktop compiles it: both globs lead to our types.
if command -v update-mime-database >/dev/null; then
  update-mime-database "$raiz/usr/share/mime" >/dev/null 2>&1 || falla "update-mime-database refuses the MIME package"
  grep -q 'application/x-trabelux-proyecto:\*.vcw' "$raiz/usr/share/mime/globs2" || falla "no .vcw type"
  grep -qi 'application/x-trabelux-losas:\*.los' "$raiz/usr/share/mime/globs2" || falla "no .Los type"
fi

# The same run from the scratch root and from the build folder: text and JSON, a steel
# project (shapes table) and a project on a slab file (found beside the project).
for ejemplo in tres-vanos.vcw acero.vcw viga-losas.vcw refuerzo-doble.vcw; do
  for opciones in "" "--json --double=yes"; do
    # shellcheck disable=SC2086
    instalado=$("$raiz/usr/bin/trabelux-cli" calc "$raiz/usr/share/trabelux/examples/$ejemplo" \
      $opciones 2>&1; echo "salida $?")
    # shellcheck disable=SC2086
    compilado=$("$build/bin/trabelux-cli" calc "$fuente/data/examples/$ejemplo" $opciones 2>&1;
      echo "salida $?")
    [ "$instalado" = "$compilado" ] ||
      falla "$ejemplo $opciones differs:"$'\n'"$(diff <(echo "$compilado") <(echo "$instalado"))"
  done
done
[ "$("$raiz/usr/bin/trabelux-cli" --version)" = "$("$build/bin/trabelux-cli" --version)" ] ||
  falla "--version differs"
[ "$("$raiz/usr/bin/trabelux-cli" shapes W)" = "$("$build/bin/trabelux-cli" shapes W)" ] ||
  falla "the installed shapes table differs"
# The installed verify finds its examples in /usr/share/trabelux/verificacion.
[ "$("$raiz/usr/bin/trabelux-cli" verify)" = "$("$build/bin/trabelux-cli" verify)" ] ||
  falla "the installed verify differs"
# The installed report runs the installed companion, off PATH, and composes what the
# build folder's does; trabelux-cli itself needs no Qt.
informe() { "$1" report "$2/tres-vanos.vcw" --text --diagrams 2>&1; echo "salida $?"; }
[ "$(informe "$raiz/usr/bin/trabelux-cli" "$raiz/usr/share/trabelux/examples")" = \
  "$(informe "$build/bin/trabelux-cli" "$fuente/data/examples")" ] || falla "the installed report differs"
! objdump -p "$raiz/usr/bin/trabelux-cli" | grep -q 'NEEDED.*libQt' || falla "trabelux-cli links Qt"
echo "package $deb: contents, dependencies, desktop file, installed calc and report are right"
