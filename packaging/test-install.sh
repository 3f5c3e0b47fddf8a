#!/bin/sh
# Installs the package into a fresh Debian 12 root and starts it there under
# Xvfb as an ordinary user: the settings come from the user's XDG config
# folder and the records go to the XDG data folder. Checks lintian first.
# Needs root, debootstrap, lintian and a Debian mirror; not part of CI.
#   packaging/test-install.sh [ROOT]      (default /var/tmp/dorvane-root)
# DEB=path/to/dorvane.deb tests that package instead of building one.
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-/var/tmp/dorvane-root}
mirror=${MIRROR:-http://deb.debian.org/debian}

if [ -z "${DEB:-}" ]; then
  make -C "$src" package
  DEB=$(ls "$src"/build/dorvane_*.deb)
fi
deb=$DEB
lintian --fail-on error "$deb"

[ -x "$root/usr/bin/apt-get" ] || debootstrap --variant=minbase bookworm "$root" "$mirror"
cp "$deb" "$root/tmp/dorvane.deb"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
chroot "$root" sh -ec '
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    /tmp/dorvane.deb xvfb
  id player >/dev/null 2>&1 || useradd -m player'

# The player records the scores into "cup"; no names dialog at the start.
chroot "$root" su player -c 'sh -ec "
  mkdir -p ~/.config/Dorvane
  printf \"[Config]\nSaveScores=1\nSaveFileName=cup\nRequestNames=0\n\" > ~/.config/Dorvane/Dorvane.INI
  dorvane --version
  Xvfb :77 -screen 0 1280x720x24 -nolisten tcp > /tmp/xvfb.log 2>&1 &
  xvfb=\$!
  sleep 2
  DISPLAY=:77 dorvane > /tmp/dorvane.log 2>&1 &
  board=\$!
  for i in \$(seq 60); do [ -s ~/.local/share/Dorvane/Data/cup.txt ] && break; sleep 1; done
  kill \$board \$xvfb
  grep -q \"NEW MATCH\" ~/.local/share/Dorvane/Data/cup.txt
"'
[ ! -e "$root/usr/bin/Dorvane.INI" ] && [ ! -e "$root/usr/bin/Data" ]
echo "installed, started as a user, settings and records in the XDG folders: OK"
