# Running programs of another processor as if native; source it, then call enable_emulation.
# enable_emulation ARCH (a Debian architecture, e.g. arm64): makes the kernel hand that
# architecture's programs to qemu-user-static (package qemu-user-static, registered through
# binfmt-support), so that a root of that architecture works with chroot. In a container the
# binfmt_misc file system may not be mounted yet; mounting it needs root. Fails when it cannot.
enable_emulation() {
  local arch=$1 cpu
  [ "$arch" == "$(dpkg --print-architecture)" ] && return 0
  cpu=$(dpkg-architecture -a"$arch" -qDEB_HOST_GNU_CPU 2>/dev/null) || return 1
  local entry="/proc/sys/fs/binfmt_misc/qemu-$cpu"
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || return 1
  fi
  [ -e "$entry" ] || update-binfmts --enable "qemu-$cpu" >/dev/null 2>&1 || return 1
  [ "$(head -n 1 "$entry" 2>/dev/null)" == enabled ] || echo 1 >"$entry" || return 1
  [ "$(head -n 1 "$entry")" == enabled ]
}
