#!/bin/sh
# Builds the Debian package from a built tree (argument: the build folder) and
# checks what a user installs: the program, its menu entry, icons, metainfo,
# man page and copyright, the dependencies dpkg-shlibdeps found, and that the
# packaged program runs.
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/dorvane_*.deb)
dpkg-deb -c "$deb" | awk '{ print $1, $6 }' > "$out/files"

fail=0
for entry in \
  "-rwxr-xr-x ./usr/bin/dorvane" \
  "-rw-r--r-- ./usr/share/applications/org.dorvane.Dorvane.desktop" \
  "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/org.dorvane.Dorvane.svg" \
  "-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/org.dorvane.Dorvane.png" \
  "-rw-r--r-- ./usr/share/metainfo/org.dorvane.Dorvane.metainfo.xml" \
  "-rw-r--r-- ./usr/share/man/man1/dorvane.1.gz" \
  "-rw-r--r-- ./usr/share/doc/dorvane/copyright" \
  "-rw-r--r-- ./usr/share/doc/dorvane/changelog.gz"; do
  grep -qxF -e "$entry" "$out/files" || { echo "not in the package: $entry"; fail=1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6network6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 \
  libarchive13 qt6-qpa-plugins; do
  case ", $depends," in
    *", $library "* | *", $library,"*) ;;
    *) echo "Depends lacks $library: $depends"; fail=1 ;;
  esac
done

dpkg-deb -x "$deb" "$out/root"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$out/root/usr/bin/dorvane" --version)
[ "$version" = "Dorvane $(dpkg-deb -f "$deb" Version)" ] || {
  echo "the packaged program says '$version'"; fail=1; }

[ $fail = 0 ] && echo "$(basename "$deb"): $(wc -l < "$out/files") entries, Depends: $depends"
exit $fail
