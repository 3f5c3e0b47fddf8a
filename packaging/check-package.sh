#!/bin/sh
# Builds the Debian package from a built tree (argument: the build folder) and
# checks what a user installs: the program, its menu entry, icons, metainfo,
# man page and copyright, the dependencies dpkg-shlibdeps found, and that the
# packaged program runs and finds its feed module.
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
  "-rw-r--r-- ./usr/lib/dorvane/dorvane-feed.so" \
  "-rw-r--r-- ./usr/lib/dorvane/dorvane-net.so" \
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
  libarchive13 qt6-qpa-plugins libmosquitto1; do
  case ", $depends," in
    *", $library "* | *", $library,"*) ;;
    *) echo "Depends lacks $library: $depends"; fail=1 ;;
  esac
done

dpkg-deb -x "$deb" "$out/root"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$out/root/usr/bin/dorvane" --version)
[ "$version" = "Dorvane $(dpkg-deb -f "$deb" Version)" ] || {
  echo "the packaged program says '$version'"; fail=1; }

# A feed in the settings: the installed program loads the module and serves the match.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf '[Config]\r\nRedPlayer=Kim\r\n[Feed]\r\nPort=%s\r\n' "$port" > "$out/Dorvane.INI"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$out/root/usr/bin/dorvane" \
  --settings "$out/Dorvane.INI" --data "$out" --windowed > "$out/run.log" 2>&1 &
program=$!
python3 - "$port" << 'EOF' || { echo "the packaged program served no match:"; cat "$out/run.log"; fail=1; }
import json, sys, time, urllib.request
for _ in range(150):
    try:
        with urllib.request.urlopen(f"http://127.0.0.1:{sys.argv[1]}/api/match", timeout=1) as answer:
            name = json.load(answer)["red"]["name"]
        if name:  # none until the board offers its first snapshot
            sys.exit(0 if name == "Kim" else 1)
    except OSError:
        pass  # the program is still starting
    time.sleep(0.2)
sys.exit(1)
EOF
kill $program; wait $program 2>/dev/null || true

[ $fail = 0 ] && echo "$(basename "$deb"): $(wc -l < "$out/files") entries, Depends: $depends"
exit $fail
