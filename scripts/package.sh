#!/usr/bin/env bash
# Builds the release packages into dist/: the Debian packages for amd64 and arm64, the Windows
# installer (.msi), the portable Windows zip and SHA256SUMS. Installs what it needs; needs root or
# sudo for apt-get.
#
# Usage:
#   package.sh                         build from this checkout (build/package/*) and package
#   package.sh --only arm64            build and package the arm64 Debian package alone (also with
#                                      --check-reproducible)
#   package.sh --reuse-builds LINUX WINDOWS ARM64 [--dist DIR]
#                                      package existing Release build folders (CI reuses the
#                                      release, windows and arm64 presets' builds)
#   package.sh --check-reproducible    package two clean copies of HEAD (of the tree, without git)
#                                      in two different folders and compare the results byte for byte
#
# Time stamps inside the packages come from SOURCE_DATE_EPOCH, by default noon (UTC) of the release
# date kept in cmake/HexcribePackaging.cmake: a git checkout and an unpacked source archive of one
# version give the same bytes, and neither needs git.
# HEXCRIBE_MAINTAINER ("Name <address>") is the Debian package's maintainer; whoever publishes sets
# it. The default's address is under the reserved .invalid domain, plainly nobody's mailbox.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

linux_build=""
windows_build=""
arm64_build=""
dist="$root/dist"
mode=build
only=""
while [ $# -gt 0 ]; do
  case "$1" in
    --reuse-builds)
      [ $# -ge 4 ] || { echo "package.sh: --reuse-builds needs the Linux, Windows and arm64 build folders" >&2; exit 1; }
      linux_build=$(realpath "$2"); windows_build=$(realpath "$3"); arm64_build=$(realpath "$4"); mode=reuse; shift 4 ;;
    --only)
      [ "${2:-}" == arm64 ] || { echo "package.sh: --only takes arm64" >&2; exit 1; }
      only=arm64; shift 2 ;;
    --dist) dist=$(realpath -m "$2"); shift 2 ;;
    --check-reproducible) mode=check; shift ;;
    *) echo "package.sh: unknown argument '$1'" >&2; exit 1 ;;
  esac
done

log() { echo "=== package: $*"; }

if [ "$only" == arm64 ]; then
  bash scripts/install-deps.sh base packaging arm64
else
  bash scripts/install-deps.sh base qt fonts windows packaging arm64
fi

release_date=$(sed -n 's/^set(HEXCRIBE_RELEASE_DATE \(.*\))$/\1/p' "$root/cmake/HexcribePackaging.cmake")
release_noon=$(date -u -d "$release_date 12:00" +%s 2>/dev/null) ||
  { echo "package.sh: no valid HEXCRIBE_RELEASE_DATE in cmake/HexcribePackaging.cmake" >&2; exit 1; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$release_noon}
maintainer=${HEXCRIBE_MAINTAINER:-The Hexcribe developers <maintainers@hexcribe.invalid>}
# One line "Name <user@host>": anything else would break the control file or the changelog.
if ! grep -qxE '[^<>[:cntrl:]]*[^<>[:cntrl:][:space:]] <[^<>@[:space:][:cntrl:]]+@[^<>@[:space:][:cntrl:]]+>' <<<"$maintainer" ||
   [ "$(wc -l <<<"$maintainer")" -ne 1 ]; then
  echo "package.sh: HEXCRIBE_MAINTAINER must be one line 'Name <user@host>', not '$maintainer'" >&2
  exit 1
fi

[ "$mode" != reuse ] || [ -z "$only" ] || { echo "package.sh: --only builds its programs itself" >&2; exit 1; }
if [ "$mode" == check ]; then
  # Two clean copies of the sources at different depths: any build path or time that leaks
  # into a package shows as a difference. No compiler cache, so both really compile.
  scratch=$(mktemp -d /tmp/hexcribe-repro.XXXXXX)
  trap 'rm -rf "$scratch"' EXIT
  unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
  for copy in a b/deeper; do
    mkdir -p "$scratch/$copy"
    # The committed tree in a checkout; elsewhere (an unpacked source archive) the tree itself.
    if command -v git >/dev/null && git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
      git -C "$root" archive HEAD | tar -x -C "$scratch/$copy"
    else
      tar -c -C "$root" --exclude=./build --exclude=./dist . | tar -x -C "$scratch/$copy"
    fi
    log "building copy $copy"
    bash "$scratch/$copy/scripts/package.sh" ${only:+--only "$only"} >"$scratch/${copy%%/*}.log" 2>&1 ||
      { tail -n 30 "$scratch/${copy%%/*}.log"; exit 1; }
  done
  status=0
  for file in "$scratch"/a/dist/*; do
    name=$(basename "$file")
    other="$scratch/b/deeper/dist/$name"
    if cmp -s "$file" "$other"; then
      echo "identical: $name (sha256 $(sha256sum "$file" | cut -d' ' -f1))"
    else
      echo "DIFFERS: $name: $(cmp -l "$file" "$other" | wc -l) bytes"
      status=1
    fi
  done
  exit $status
fi

linux_targets=(hexcribe hexcribe-cli hexcribe_man_pages hexcribe_desktop_entry hexcribe_metainfo)
build_programs() {  # build_programs NAME FOLDER CMAKE-OPTION...: a Release build without tests
  log "building the $1 programs"
  cmake -S "$root" -B "$2" -DCMAKE_BUILD_TYPE=Release -DHEXCRIBE_BUILD_TESTS=OFF "${@:3}" >/dev/null
  cmake --build "$2" -j2
}
if [ "$mode" == build ]; then
  linux_build="$root/build/package/linux"
  windows_build="$root/build/package/windows"
  arm64_build="$root/build/package/arm64"
  if [ -z "$only" ]; then
    build_programs Linux "$linux_build" -DHEXCRIBE_FRONTEND=qt
    build_programs Windows "$windows_build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
      -DHEXCRIBE_FRONTEND=win32
  fi
  build_programs arm64 "$arm64_build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-arm64.cmake" -DHEXCRIBE_FRONTEND=qt
else
  # Only the pieces that may not be part of a build with tests are (re)built here.
  cmake --build "$linux_build" -j2 --target "${linux_targets[@]}"
  cmake --build "$windows_build" -j2 --target hexcribe_win32 hexcribe-cli
  cmake --build "$arm64_build" -j2 --target "${linux_targets[@]}"
fi

cache_value() {  # cache_value BUILD NAME: a variable from a build's CMake cache
  sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt"
}
version=$(cache_value "$arm64_build" CMAKE_PROJECT_VERSION)
[ -n "$version" ] || { echo "package.sh: cannot read the version from the builds" >&2; exit 1; }
if [ -z "$only" ]; then
  icon_dir=$(cache_value "$windows_build" HEXCRIBE_ICON_DIR)
  [ -n "$icon_dir" ] || { echo "package.sh: cannot read the icon folder from the Windows build" >&2; exit 1; }
  for build_dir in "$linux_build" "$windows_build"; do
    [ "$(cache_value "$build_dir" CMAKE_PROJECT_VERSION)" == "$version" ] ||
      { echo "package.sh: $build_dir is not of version $version" >&2; exit 1; }
  done
fi

work=$(mktemp -d /tmp/hexcribe-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
umask 022
rm -rf "$dist"
mkdir -p "$dist"

# Same time stamp on every file, so archives do not depend on when or where they were built.
stamp() { find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +; }
# Text files for Windows users get CR LF line ends.
crlf() { sed 's/\r$//; s/$/\r/' "$1" >"$2"; }

# --- Debian packages -------------------------------------------------------------------------
# make_deb BUILD ARCH: the Debian package of one Linux build for one Debian architecture.
make_deb() {
  local build=$1 arch=$2
  log "Debian package ($arch)"
  local deb_root="$work/deb-$arch"
  DESTDIR="$deb_root" cmake --install "$build" --prefix /usr --strip >/dev/null
  # The compiler's version string is of no use at run time (the build's own objcopy knows its
  # processor's files).
  local program
  for program in "$deb_root"/usr/bin/*; do
    "$(cache_value "$build" CMAKE_OBJCOPY)" --remove-section=.comment "$program"
  done
  local doc="$deb_root/usr/share/doc/hexcribe"
  mkdir -p "$doc" "$deb_root/DEBIAN"
  cp packaging/debian/copyright "$doc/copyright"
  cp docs/hexcribe-window.png "$doc/"  # the picture the README shows
  local changelog
  changelog=$(<packaging/debian/changelog.in)
  changelog=${changelog//@PROJECT_VERSION@/"$version"}
  changelog=${changelog//@HEXCRIBE_MAINTAINER@/"$maintainer"}
  changelog=${changelog//@HEXCRIBE_RELEASE_DATE_RFC2822@/"$(LC_ALL=C date -u -R -d "@$release_noon")"}
  printf '%s\n' "$changelog" | gzip -n -9 >"$doc/changelog.gz"
  find "$deb_root" -type d -exec chmod 755 {} +
  find "$deb_root" -type f -exec chmod 644 {} +
  chmod 755 "$deb_root"/usr/bin/*

  # The shared libraries the programs link decide the dependencies; dpkg-shlibdeps looks for
  # them among the libraries of the package's architecture (multiarch).
  local shlibs="$work/shlibs-$arch" depends installed_size
  mkdir -p "$shlibs/debian"
  printf 'Source: hexcribe\n\nPackage: hexcribe\nArchitecture: %s\n' "$arch" >"$shlibs/debian/control"
  depends=$(cd "$shlibs" && dpkg-architecture -a"$arch" -c dpkg-shlibdeps -O -e"$deb_root/usr/bin/hexcribe" \
    -e"$deb_root/usr/bin/hexcribe-cli" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
  [ -n "$depends" ] || { echo "package.sh: dpkg-shlibdeps found no dependencies ($arch)" >&2; exit 1; }
  installed_size=$(du -sk --apparent-size "$deb_root/usr" | cut -f1)
  # qt6-wayland is Qt's native Wayland platform: without it the dialog runs through XWayland on a
  # Wayland desktop (blurred at fractional scales).
  cat >"$deb_root/DEBIAN/control" <<EOF
Package: hexcribe
Version: $version
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $installed_size
Depends: $depends
Recommends: qt6-wayland, qt6-translations-l10n
Section: utils
Priority: optional
Description: convert text in any language to LCD print commands
 Hexcribe shows text typed in any language, through the desktop's input
 method, as the UTF-16LE bytes an LCD controller prints: two-digit upper-case
 hex numbers, bare or wrapped as the controller's print command, ready to
 copy to the clipboard.
 .
 The package also contains hexcribe-cli, which converts files and standard
 input the same way for scripts and decodes commands back to text.
EOF
  (cd "$deb_root" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$deb_root/DEBIAN/md5sums"
  chmod 644 "$deb_root/DEBIAN/control" "$deb_root/DEBIAN/md5sums"
  stamp "$deb_root"
  dpkg-deb --root-owner-group -Zxz --build "$deb_root" "$dist/hexcribe_${version}_$arch.deb" >/dev/null
}
[ -n "$only" ] || make_deb "$linux_build" amd64
make_deb "$arm64_build" arm64
if [ -n "$only" ]; then
  (cd "$dist" && LC_ALL=C sha256sum -- *.deb >SHA256SUMS)
  log "done: $dist"
  (cd "$dist" && ls -l)
  exit 0
fi

# --- Windows files: the programs and the documents both Windows packages carry ----------------
log "Windows files"
win_install="$work/win-install"
# Not --strip: the linker already stripped them, and strip would stamp the time into them.
cmake --install "$windows_build" --prefix "$win_install" >/dev/null
files="$work/win-files"
mkdir -p "$files"
cp "$win_install/bin/Hexcribe.exe" "$win_install/bin/hexcribe-cli.exe" "$files/"
crlf README.md "$files/README.txt"
crlf LICENSE "$files/LICENSE.txt"
{
  cat packaging/windows/third-party-notices.txt
  for part in "mingw-w64 (C runtime, winpthreads)|mingw-w64-common" "GCC (libstdc++, libgcc)|gcc-mingw-w64-base"; do
    printf '\n\n==== %s ====\n\n' "${part%%|*}"
    cat "/usr/share/doc/${part#*|}/copyright"
  done
} >"$work/notices.txt"
crlf "$work/notices.txt" "$files/THIRD-PARTY-NOTICES.txt"

# --- Portable zip --------------------------------------------------------------------------------
log "portable zip"
zip_name="Hexcribe-$version-win64"
mkdir -p "$work/zip/$zip_name"
cp "$files"/* "$work/zip/$zip_name/"
stamp "$work/zip"
# Sorted members, no extra fields (owner ids, extended times), DOS times in UTC.
(cd "$work/zip" && find "$zip_name" | LC_ALL=C sort | TZ=UTC zip -X -9 -q -@ "$dist/$zip_name.zip")

# --- Windows installer ---------------------------------------------------------------------------
log "Windows installer"
bash scripts/make-msi.sh "$files" "$icon_dir/hexcribe.ico" "$version" "$dist/$zip_name.msi"

(cd "$dist" && LC_ALL=C sha256sum -- *.deb *.msi *.zip >SHA256SUMS)
log "done: $dist"
(cd "$dist" && ls -l)
