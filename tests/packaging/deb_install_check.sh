#!/usr/bin/env bash
# Installs the Debian package with apt into a fresh root of a Debian release, as a user of that
# release does (recommended packages included), then runs hexcribe-cli and starts the dialog on a
# private Xvfb display, where SIGTERM must save its settings.
# The root is of the package's architecture: one of another processor runs every program under
# qemu (scripts/lib/emulation.sh), the package manager's too.
# The release's minimal root is made once with debootstrap from the archive this machine's apt uses
# and kept as a tarball, together with the packages apt fetched, in HEXCRIBE_TEST_ROOTS_CACHE
# (default /var/cache/hexcribe-test-roots): every run starts from a fresh copy.
# Usage: deb_install_check.sh RELEASE PACKAGE.deb VERSION   (needs root, debootstrap, Xvfb, xdotool)
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
release=$1
deb=$(realpath "$2")
version=$3
arch=$(dpkg-deb -f "$deb" Architecture)
cache=${HEXCRIBE_TEST_ROOTS_CACHE:-/var/cache/hexcribe-test-roots}
scratch=$(mktemp -d /tmp/hexcribe-root.XXXXXX)
root="$scratch/root"
xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf --one-file-system "$scratch"
}
trap cleanup EXIT

source "$here/checks.sh"
source "$here/../../scripts/lib/xvfb.sh"
source "$here/../../scripts/lib/debian-mirror.sh"
source "$here/../../scripts/lib/emulation.sh"
[ "$(id -u)" -eq 0 ] || { echo "FAIL - $release: debootstrap and chroot need root"; exit 1; }
enable_emulation "$arch" || { echo "FAIL - $arch programs do not run on this machine (qemu-user-static, binfmt_misc)"; exit 1; }
# Programs under emulation start several times slower.
patience=1
[ "$arch" == "$(dpkg --print-architecture)" ] || patience=4

started=$SECONDS
elapsed() { echo "$((SECONDS - started)) s"; }

# --- the cached minimal root (made under a lock: parallel runs share it) ---
mirror=$(debian_mirror) || { echo "FAIL - no Debian archive in this machine's apt sources"; exit 1; }
archives="$cache/$release-$arch-archives"
mkdir -p "$archives"
tarball="$cache/$release-minbase-$arch.tar"
(
  flock 9
  # A tarball from another archive is made again.
  if [ -f "$tarball" ] && [ "$(cat "$tarball.mirror" 2>/dev/null)" == "$mirror" ]; then exit 0; fi
  echo "# debootstrap $release $arch from $mirror (once; kept in $cache)"
  fresh="$scratch/fresh"
  debootstrap --variant=minbase --arch="$arch" "$release" "$fresh" "$mirror" >"$scratch/debootstrap.log" 2>&1 ||
    { tail -n 20 "$scratch/debootstrap.log"; exit 1; }
  rm -f "$fresh"/var/cache/apt/archives/*.deb
  tar -C "$fresh" -cf "$tarball.new" . && echo "$mirror" >"$tarball.mirror" && mv "$tarball.new" "$tarball"
  rm -rf --one-file-system "$fresh"
) 9>"$cache/$release-$arch.lock" || { echo "FAIL - $release $arch: debootstrap"; exit 1; }
mkdir -p "$root"
tar -C "$root" -xf "$tarball" && ok "fresh $release $arch root ($(elapsed))" || { fail "unpacking $tarball"; exit 1; }

# The root reaches the archive the way this machine does: its name service and apt's network
# settings (proxies, validity checks of a fixed archive snapshot).
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
grep -l '^[^/#]*Acquire::' /etc/apt/apt.conf.d/* 2>/dev/null | xargs -r cp -t "$root/etc/apt/apt.conf.d/"
cp "$archives/"*.deb "$root/var/cache/apt/archives/" 2>/dev/null
cp "$deb" "$root/tmp/hexcribe.deb"
# A throw-away root needs no syncing to disk after each package (the bulk of dpkg's time).
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/hexcribe-test-unsafe-io"

# Runs a command in the root with /proc and /dev, in a mount namespace of its own (the mounts end
# with it). Every step execs the next, so the command keeps the process of whoever execs this.
enter_root=(unshare --mount --propagation private -- sh -c \
  'mount -t proc proc "$0/proc" && mount --rbind /dev "$0/dev" && exec chroot "$0" env -i \
     PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
     ${DISPLAY:+DISPLAY=$DISPLAY} "$@"' "$root")
in_root() { "${enter_root[@]}" "$@"; }

# --- apt installs the package and what it depends on and recommends ---
if in_root apt-get update -qq >"$scratch/apt.log" 2>&1 &&
   in_root apt-get install -y -q /tmp/hexcribe.deb >>"$scratch/apt.log" 2>&1; then
  ok "apt-get installs the package on $release $arch ($(elapsed))"
else
  fail "apt-get install on $release $arch: $(tail -n 15 "$scratch/apt.log")"
  exit 1
fi
grep -E '^(Setting up (hexcribe|libqt6core6(t64)?|libqt6widgets6|qt6-wayland)[: ]|[0-9]+ upgraded, )' "$scratch/apt.log" |
  sed 's/^/# apt: /'
cp -n "$root"/var/cache/apt/archives/*.deb "$archives/" 2>/dev/null
expect "installed version on $release $arch" "$(in_root dpkg-query -W -f='${Version}' hexcribe)" "$version"
expect "recommended Wayland platform installed on $release $arch" \
  "$(in_root dpkg-query -W -f='${db:Status-Status}' qt6-wayland 2>&1)" installed

expect "hexcribe-cli converts on $release $arch" "$(in_root hexcribe-cli 'A 한')" "Print 'U::41 00 20 00 5C D5';"

# --- the dialog on this machine's Xvfb (the root shares its network namespace and so the socket) ---
unset DISPLAY
if ! start_private_xvfb 1024x768x24; then
  fail "Xvfb did not start"
else
  # The background shell execs the chain, so its process id is the program's: SIGTERM reaches it.
  (exec "${enter_root[@]}" env XDG_CONFIG_HOME=/tmp/config XDG_RUNTIME_DIR=/tmp QT_QPA_PLATFORM=xcb \
    hexcribe >"$scratch/app.log" 2>&1) &
  app_pid=$!
  title=""
  for _ in $(seq 1 $((300 * patience))); do
    window=$(xdotool search --onlyvisible --name '^Hexcribe v' 2>/dev/null | head -n 1)
    if [ -n "$window" ]; then title=$(xdotool getwindowname "$window"); break; fi
    sleep 0.1
  done
  expect "dialog opens on $release $arch" "$title" "Hexcribe v$(cut -d. -f1 <<<"$version").$(cut -d. -f2,3 <<<"$version" | tr -d .)"
  kill -TERM "$app_pid"
  wait "$app_pid"
  expect "SIGTERM ends the dialog on $release $arch, normally" "$?" 0
  app_pid=""
  expect "SIGTERM saved the settings on $release $arch" "$(head -n 1 "$root/tmp/config/Hexcribe/setting.ini" 2>/dev/null | tr -d '\r')" "[gen]"
  [ "$failed" -eq 0 ] || sed 's/^/# program: /' "$scratch/app.log"
fi

echo "$release $arch install checks: $passed passed, $failed failed ($(elapsed))"
[ "$failed" -eq 0 ]
