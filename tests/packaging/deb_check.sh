#!/usr/bin/env bash
# Checks the Debian package as a user gets it: metadata, contents, lintian, the manual pages, the
# desktop and AppStream data, and the programs unpacked into a throw-away root: hexcribe-cli
# converts, the dialog opens under Xvfb with its title (a package of another architecture runs
# under qemu, with the libraries of that architecture the build installed beside the machine's own).
# Usage: deb_check.sh PACKAGE.deb VERSION [ARCH]   (needs lintian, appstream, man-db, Xvfb, xdotool;
# ARCH, default amd64: the Debian architecture the package must be for)
set -uo pipefail
deb=$(realpath "$1")
version=$2
arch=${3:-amd64}
scratch=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/emulation.sh"
enable_emulation "$arch" || fail "$arch programs do not run on this machine (qemu-user-static, binfmt_misc)"

# --- metadata ---
expect "package name" "$(dpkg-deb -f "$deb" Package)" hexcribe
expect "version from the project" "$(dpkg-deb -f "$deb" Version)" "$version"
expect "architecture" "$(dpkg-deb -f "$deb" Architecture)" "$arch"
depends=$(dpkg-deb -f "$deb" Depends)
expect "recommends Qt's Wayland platform and Qt's translations" "$(dpkg-deb -f "$deb" Recommends)" \
  "qt6-wayland, qt6-translations-l10n"
for library in libc6 libstdc++6 libqt6widgets6 libfontconfig1; do
  case "$depends" in *"$library "*|*"$library,"*|*"$library") ok "depends on $library" ;;
    *) fail "Depends lacks $library: $depends" ;; esac
done

# --- contents: every file under /usr, owned by root ---
listing=$(dpkg-deb -c "$deb")
for path in usr/bin/hexcribe usr/bin/hexcribe-cli usr/share/applications/hexcribe.desktop \
  usr/share/icons/hicolor/16x16/apps/hexcribe.png usr/share/icons/hicolor/256x256/apps/hexcribe.png \
  usr/share/icons/hicolor/scalable/apps/hexcribe.svg \
  usr/share/metainfo/org.hexcribe.Hexcribe.metainfo.xml usr/share/man/man1/hexcribe.1.gz \
  usr/share/man/man1/hexcribe-cli.1.gz usr/share/bash-completion/completions/hexcribe-cli \
  usr/share/doc/hexcribe/copyright usr/share/doc/hexcribe/changelog.gz usr/share/doc/hexcribe/hexcribe-window.png; do
  if grep -q " \./$path\$" <<<"$listing"; then ok "contains /$path"; else fail "missing /$path"; fi
done
outside=$(awk '{print $6}' <<<"$listing" | grep -v -e '^\./$' -e '^\./usr/' || true)
expect "nothing outside /usr" "$outside" ""
owners=$(awk '{print $2}' <<<"$listing" | sort -u)
expect "every member owned by root" "$owners" "root/root"

# --- lintian down to its info level (-I): no errors; the rest is listed for the record ---
lint=$(lintian -I --tag-display-limit 0 "$deb" 2>&1)
status=$?
echo "$lint" | sed 's/^/  lintian: /'
if [ $status -eq 0 ] && ! grep -q '^E:' <<<"$lint"; then ok "lintian reports no errors"; else fail "lintian errors"; fi
# One hardening tag is accepted, by name: hardening-no-fortify-functions. The programs are built
# with -D_FORTIFY_SOURCE=2, and tests/hardening's probe shows that the flag turns a call into a
# checked one where the compiler knows the buffer's size. In these programs it knows none it has not
# already proven big enough (read into a local array of the size asked for), so no checked call is
# left to make, and lintian names the unchecked memcpy, read and the like all the same. Any other
# hardening tag fails.
hardening_tags=$(grep -o 'hardening-[a-z-]*' <<<"$lint" | sort -u | grep -vx hardening-no-fortify-functions | tr '\n' ' ')
expect "lintian finds the programs hardened" "$hardening_tags" ""

# --- the files themselves, unpacked into a throw-away root ---
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for page in hexcribe hexcribe-cli; do
  file="$root/usr/share/man/man1/$page.1.gz"
  rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$file" 2>"$scratch/man.err" | sed "s/.\x08//g")
  if grep -q '^NAME' <<<"$rendered" && [ ! -s "$scratch/man.err" ]; then ok "man page $page renders cleanly"
  else fail "man page $page: $(cat "$scratch/man.err")"; fi
done
# No invented addresses: web addresses only the file formats' own, mail addresses only reserved
# .invalid ones (or the one a publisher set in HEXCRIBE_MAINTAINER).
publisher=$(sed -n 's/.*<\(.*\)>$/\1/p' <<<"${HEXCRIBE_MAINTAINER:-}")
addresses=$( { dpkg-deb -f "$deb"; find "$root" -name '*.gz' -exec zcat {} +; grep -rIh '' "$root"; } |
  grep -oE 'https?://[^] "<>)]+|[[:alnum:]._%+-]+@[[:alnum:].-]+' | sort -u |
  grep -vxF -e 'https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' -e 'http://www.w3.org/2000/svg' \
    ${publisher:+-e "$publisher"} | grep -vE '@([[:alnum:]-]+\.)*invalid$' | tr '\n' ' ')
expect "no invented web or mail addresses" "$addresses" ""
if appstreamcli validate --no-net "$root/usr/share/metainfo/org.hexcribe.Hexcribe.metainfo.xml" >"$scratch/as.log" 2>&1
then ok "AppStream data valid"; else fail "appstreamcli: $(cat "$scratch/as.log")"; fi
# Both carry the translations of their texts, one line or element per language and text.
expect "desktop entry in four more languages" \
  "$(grep -cE '^(Name|GenericName|Comment|Keywords)\[(ko|ja|zh_CN|zh_TW)\]=' "$root/usr/share/applications/hexcribe.desktop")" 16
expect "AppStream summary in four more languages" \
  "$(grep -cE '<summary xml:lang="(ko|ja|zh_CN|zh_TW)">' "$root/usr/share/metainfo/org.hexcribe.Hexcribe.metainfo.xml")" 4
if desktop-file-validate "$root/usr/share/applications/hexcribe.desktop"; then ok "desktop entry valid"
else fail "desktop entry"; fi
completion=$(bash -c 'source "$1"; COMP_WORDS=(hexcribe-cli --sep); COMP_CWORD=1; _hexcribe_cli; echo "${COMPREPLY[*]}"
  COMP_WORDS=(hexcribe-cli --separator co); COMP_CWORD=2; _hexcribe_cli; echo "${COMPREPLY[*]}"' _ \
  "$root/usr/share/bash-completion/completions/hexcribe-cli")
expect "bash completion of options and separators" "$(tr '\n' ' ' <<<"$completion")" "--separator comma "

expect "installed hexcribe-cli converts" "$("$root/usr/bin/hexcribe-cli" A)" "Print 'U::41 00';"
expect "installed hexcribe-cli knows its version" "$("$root/usr/bin/hexcribe-cli" --version)" \
  "hexcribe-cli v$(cut -d. -f1 <<<"$version").$(cut -d. -f2,3 <<<"$version" | tr -d .) ($version)"

# The dialog opens on a private X server with the title from its own version data.
unset DISPLAY
if ! start_private_xvfb 1024x768x24; then
  fail "Xvfb did not start"
else
  XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=xcb \
    timeout 60 "$root/usr/bin/hexcribe" >"$scratch/app.log" 2>&1 &
  app_pid=$!
  title=""
  for _ in $(seq 1 200); do
    window=$(xdotool search --name '^Hexcribe v' 2>/dev/null | head -n 1)
    if [ -n "$window" ]; then title=$(xdotool getwindowname "$window"); break; fi
    sleep 0.1
  done
  expect "installed program opens its window" "$title" "Hexcribe v$(cut -d. -f1 <<<"$version").$(cut -d. -f2,3 <<<"$version" | tr -d .)"
fi

# apt resolves the package's dependencies from the archive (a simulation: nothing is installed).
if apt-get install -s -o Debug::NoLocking=1 "$deb" >"$scratch/apt.log" 2>&1; then ok "apt-get can install the package"
else fail "apt-get install -s: $(tail -n 5 "$scratch/apt.log")"; fi

echo "deb checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
