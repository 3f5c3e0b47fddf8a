#!/bin/sh
# The README's two commands on a Debian 12 that has nothing but git and make:
# a minimal root made with debootstrap, this repository's committed HEAD
# cloned into it (uncommitted changes are not part of the check), `make test`
# as a newcomer runs it, then `xvfb-run make run` until the board's window
# shows and Ctrl+X ends it. A machine that already has every tool hides a
# missing package; this one does not.
#
# FRESH_CCACHE=1 lends the root this machine's compiler cache: it only makes
# the build faster, every package is still installed from nothing.
set -eu

repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
head=$(git -C "$repo" rev-parse HEAD)

if [ "$(id -u)" != 0 ]; then
  exec sudo FRESH_CCACHE="${FRESH_CCACHE:-0}" sh "$0" "$@"
fi

if ! command -v debootstrap > /dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap \
  || { apt-get update && DEBIAN_FRONTEND=noninteractive \
       apt-get install -y --no-install-recommends debootstrap; }
fi

# The Debian mirror this machine installs from (either sources format).
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
           2>/dev/null \
         | grep -oE '(^deb|^URIs:) +https?://[^ ]+/debian/?( |$)' | awk '{ print $2 }' | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}

root=$(mktemp -d /var/tmp/fresh-root.XXXXXX)
chmod 755 "$root"  # the root's own users (apt's, mosquitto's) must get through it
mounted=""
mount_in() {  # mount_in <target below the root> <mount arguments...>
  target="$root$1"; shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounted="$target $mounted"
}
cleanup() {
  status=$?
  for target in $mounted; do
    umount "$target" 2> /dev/null || umount -l "$target" || true
  done
  # Never remove through a mount that stayed: it could be the host's cache.
  if grep -qF " $root/" /proc/mounts; then
    echo "fresh-check: $root still has mounts, left in place" >&2
  else
    rm -rf --one-file-system "$root"
  fi
  rm -f "$root.debootstrap.log"
  exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "fresh-check: Debian 12 minbase from $mirror into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" > "$root.debootstrap.log" 2>&1 || {
  tail -n 30 "$root.debootstrap.log"; exit 1; }
cp /etc/resolv.conf "$root/etc/resolv.conf"

mount_in /proc -t proc proc
mount_in /sys --bind /sys
mount_in /dev --bind /dev
mount_in /dev/pts --bind /dev/pts
mount_in /dev/shm -t tmpfs -o mode=1777 shm
mount_in /tmp -t tmpfs -o mode=1777 tmp

echo "fresh-check: cloning $head (committed work only)"
git clone --quiet "$repo" "$root/root/project"
git -C "$root/root/project" checkout --quiet --detach "$head"

cache_env=""
if [ "${FRESH_CCACHE:-0}" = 1 ] && command -v ccache > /dev/null; then
  mount_in /root/.cache/ccache --bind "$(ccache -k cache_dir)"
  # Paths relative to the clone's parent, as this machine's builds hash them;
  # the cache keeps the size this machine gave it.
  cache_env="CCACHE_DIR=/root/.cache/ccache CCACHE_BASEDIR=/root CCACHE_NOHASHDIR=1
             CCACHE_MAXSIZE=$(ccache -k max_size)"
fi

# What runs inside: a newcomer's steps, as root, in the C locale.
cat > "$root/root/fresh-steps.sh" << 'EOF'
set -eu
export DEBIAN_FRONTEND=noninteractive
apt-get update -q > /dev/null
apt-get install -y -q --no-install-recommends git make > /dev/null
cd /root/project
echo "fresh-check: make test"
make test

echo "fresh-check: xvfb-run make run"
# A server number of its own: the X sockets are shared with the host.
xvfb-run -n $((200 + $$ % 700)) sh -c '
  make run > /tmp/run.log 2>&1 & program=$!
  window=$(timeout 120 xdotool search --sync --onlyvisible --name . 2> /dev/null | head -n 1)
  board=$(xdotool getwindowpid "$window" 2> /dev/null) || board=""
  if [ -z "$board" ] || ! kill -0 $program 2> /dev/null; then
    echo "fresh-check: no board window; make run said:"; cat /tmp/run.log
    kill $program 2> /dev/null; exit 1
  fi
  echo "fresh-check: the board shows \"$(xdotool getwindowname "$window")\""
  # Ctrl+X ends it, as the README says, once it has opened its devices.
  sleep 2
  start=$(date +%s%N)
  xdotool key --window "$window" ctrl+x 2> /dev/null
  tries=0
  while kill -0 "$board" 2> /dev/null && [ $tries -lt 1000 ]; do
    sleep 0.01; tries=$((tries + 1))
  done
  if kill -0 "$board" 2> /dev/null; then
    echo "fresh-check: Ctrl+X did not end the board; make run said:"
    kill "$board"; wait $program; cat /tmp/run.log; exit 1
  fi
  echo "fresh-check: Ctrl+X ended the board in $((($(date +%s%N) - start) / 1000000)) ms"
  wait $program'
EOF

# shellcheck disable=SC2086 # cache_env is a list of words on purpose
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin $cache_env \
  /bin/sh /root/fresh-steps.sh
echo "fresh-check: passed"
