#!/usr/bin/env bash
# Checks the Windows packages: the portable zip's members, and the installer under Wine in a fresh
# prefix: an older version first, then this one over it (one entry left), the installed
# Hexcribe.exe driven end to end, hexcribe-cli.exe from the install folder, then a silent
# uninstall that removes every installed file and keeps the user's settings.
# Usage: msi_check.sh INSTALLER.msi PORTABLE.zip VERSION ICON.ico   (needs DISPLAY, Wine, wixl, msitools)
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
msi=$(realpath "$1")
zip=$(realpath "$2")
version=$3
icon=$(realpath "$4")
scratch=$(mktemp -d)
export HEXCRIBE_WINE_ROOT="$scratch/wine"
run="$root/scripts/wine-run.sh"
cleanup() {
  if [ -d "$HEXCRIBE_WINE_ROOT/prefix" ]; then
    HOME="$HEXCRIBE_WINE_ROOT/home" WINEPREFIX="$HEXCRIBE_WINE_ROOT/prefix" wineserver -k 2>/dev/null || true
    HOME="$HEXCRIBE_WINE_ROOT/home" WINEPREFIX="$HEXCRIBE_WINE_ROOT/prefix" timeout 20 wineserver -w 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

source "$here/checks.sh"

# --- portable zip ---
folder="Hexcribe-$version-win64"
members=$(unzip -Z1 "$zip" | tr '\n' ' ')
expect "zip members, sorted" "$members" \
  "$folder/ $folder/Hexcribe.exe $folder/LICENSE.txt $folder/README.txt $folder/THIRD-PARTY-NOTICES.txt $folder/hexcribe-cli.exe "
unzip -q "$zip" -d "$scratch/zip"
files="$scratch/zip/$folder"
for exe in Hexcribe.exe hexcribe-cli.exe; do
  # The PE header's TimeDateStamp: 0 when linked without a time stamp.
  stamp=$(python3 -c 'import struct, sys
data = open(sys.argv[1], "rb").read()
pe = struct.unpack_from("<I", data, 0x3C)[0]
print(struct.unpack_from("<I", data, pe + 8)[0])' "$files/$exe")
  expect "$exe has no link time stamp" "$stamp" 0
done
grep -q "GCC RUNTIME LIBRARY EXCEPTION" "$files/THIRD-PARTY-NOTICES.txt" && ok "notices carry the runtime library exception" ||
  fail "notices lack the GCC runtime library exception"
grep -q "winpthreads" "$files/THIRD-PARTY-NOTICES.txt" && ok "notices name winpthreads" || fail "notices lack winpthreads"

# --- installer tables ---
properties=$(msiinfo export "$msi" Property | tr -d '\r')
expect "installer version" "$(sed -n 's/^ProductVersion\t//p' <<<"$properties")" "$version"
expect "publisher" "$(sed -n 's/^Manufacturer\t//p' <<<"$properties")" "Hexcribe developers"
expect "Apps & Features icon" "$(sed -n 's/^ARPPRODUCTICON\t//p' <<<"$properties")" "hexcribe.ico"

# --- under Wine ---
older="$scratch/older.msi"
bash "$root/scripts/make-msi.sh" "$files" "$icon" 0.9.0.0 "$older" || fail "building an older installer"
prefix="$HEXCRIBE_WINE_ROOT/prefix"
user=$(id -un)
drive="$prefix/drive_c"
winpath() { printf 'Z:%s' "${1//\//\\}"; }  # the host path as Wine's Z: drive shows it
install_dir="$drive/users/$user/AppData/Local/Programs/Hexcribe"
start_menu="$drive/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
settings="$drive/users/$user/AppData/Roaming/Hexcribe/setting.ini"
entries() {  # the installed products Wine's uninstaller lists under this name
  "$run" uninstaller --list 2>/dev/null | tr -d '\r' | grep -c '|||Hexcribe$'
}

"$run" msiexec /i "$(winpath "$older")" /qn
expect "older version installs silently" "$?" 0
expect "one entry after the first install" "$(entries)" 1

"$run" msiexec /i "$(winpath "$msi")" /qn
expect "this version installs over it" "$?" 0
expect "one entry after the upgrade" "$(entries)" 1
for file in Hexcribe.exe hexcribe-cli.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do
  [ -f "$install_dir/$file" ] && ok "installed $file" || fail "missing $install_dir/$file"
done
cmp -s "$install_dir/Hexcribe.exe" "$files/Hexcribe.exe" && ok "installed program is this version's" ||
  fail "installed Hexcribe.exe differs from the zip's"
for link in Hexcribe.lnk "Hexcribe Command Prompt.lnk"; do
  [ -f "$start_menu/$link" ] && ok "Start-menu shortcut $link" || fail "missing Start-menu shortcut $link"
done
# The Apps & Features entry (Wine keeps per-user entries under HKLM, Windows under the user).
arp=$(for hive in HKCU HKLM; do "$run" reg query "$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null; done |
  tr -d '\r' | awk '/^HKEY_/ { key = $0 } { block[key] = block[key] "\n" $0 }
    END { for (k in block) if (block[k] ~ /DisplayName +REG_SZ +Hexcribe\n/) print block[k] }')
arp_value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$arp" | head -n 1; }
expect "Apps & Features version" "$(arp_value DisplayVersion)" "$version"
expect "Apps & Features publisher" "$(arp_value Publisher)" "Hexcribe developers"
case "$(arp_value UninstallString)" in
  MsiExec.exe\ /X\{*) ok "Apps & Features uninstaller" ;;
  *) fail "Apps & Features uninstaller: '$(arp_value UninstallString)'" ;;
esac

expect "installed hexcribe-cli.exe converts" "$("$run" "$install_dir/hexcribe-cli.exe" A | tr -d '\r')" "Print 'U::41 00';"
# The dialog, driven like a user; it saves the settings the uninstall must keep.
if bash "$root/tests/app/win32/end_to_end.sh" "$install_dir/Hexcribe.exe" "$run"; then
  ok "installed Hexcribe.exe passes the end-to-end run"
else
  fail "end-to-end run of the installed Hexcribe.exe"
fi

"$run" msiexec /x "$(winpath "$msi")" /qn
expect "uninstalls silently" "$?" 0
expect "no entry after the uninstall" "$(entries)" 0
left=$(find "$install_dir" "$start_menu" -iname '*hexcribe*' 2>/dev/null)
expect "every installed file removed" "$left" ""
[ -f "$settings" ] && ok "the user's settings are kept" || fail "settings file gone: $settings"

echo "installer checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
