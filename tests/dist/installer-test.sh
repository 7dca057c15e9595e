#!/usr/bin/env bash
# The installer and its uninstaller, run silently in a Wine prefix of their own.
#   installer-test.sh CASE SETUP ZIP PRISTINE_PREFIX DISPLAY_VERSION
# Cases:
#   SilentInstallScanAndUninstallKeepingTheQuarantine
#       installs, checks the files against the zip, the Add or Remove Programs entry,
#       the Start menu shortcut and the Explorer verb; scans with the installed
#       pyrafixc, quarantines a planted worm; uninstalls: no program file, entry,
#       shortcut or verb is left, and the quarantine is kept byte for byte
#   UninstallRemovingTheQuarantineLeavesNothing
#       the same install and quarantine, uninstalled with /REMOVEQUARANTINE: the
#       program folder is gone
set -uo pipefail
case_name=$1 setup=$2 zip=$3 pristine=$4 display_version=$5

work=$(mktemp -d "${TMPDIR:-/tmp}/pyrafix-installer.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries in the real desktop for the shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
# Stops at once: later checks would only repeat the cause.
fatal() {
  echo "FAILED: $*"
  exit 1
}

for file in "$setup" "$zip"; do
  [ -f "$file" ] || fatal "$file is missing (scripts/build makes it)"
done
mkdir -p "$WINEPREFIX" && cp -a "$pristine/." "$WINEPREFIX/" || fatal "cannot copy the prefix $pristine"

program_dir="$WINEPREFIX/drive_c/Program Files/Pyrafix Pro"
windows_dir='C:\Program Files\Pyrafix Pro'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pyrafix Pro'
verb_keys=('HKCR\*\shell\ScanWithPyrafixPro' 'HKCR\Directory\shell\ScanWithPyrafixPro')
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pyrafix Pro/Pyrafix Pro.lnk"
worm="$WINEPREFIX/drive_c/windows/system32/msblast.exe"

# The data of one registry value ("" for the default value), or nothing when absent.
reg_value() { # KEY NAME
  local output
  if [ -z "$2" ]; then
    output=$(wine reg query "$1" /ve 2>/dev/null) || return 1
    sed -n 's/^ *(Default) \{2,\}REG_[A-Z_]* \{2,\}//p' <<<"$output" | tr -d '\r'
  else
    output=$(wine reg query "$1" /v "$2" 2>/dev/null) || return 1
    sed -n "s/^ *$2 \{2,\}REG_[A-Z_]* \{2,\}//p" <<<"$output" | tr -d '\r'
  fi
}
key_exists() { wine reg query "$1" >/dev/null 2>&1; }
# Every file below a folder, relative to it, sorted.
files_below() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }

# Install.
wine "$setup" /S
status=$?
wineserver -w
[ "$status" -eq 0 ] || fatal "the silent install exited $status"
[ -d "$program_dir" ] || fatal "nothing was installed into $windows_dir"

# The installed files are the zip's, byte for byte, and the uninstaller.
mkdir -p "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip") || fatal "cannot unpack $zip"
zip_dir="$work/zip/Pyrafix Pro"
[ -d "$zip_dir" ] || fatal "the zip holds no folder \"Pyrafix Pro\""
for name in pyrafix.exe pyrafixc.exe files.dat RegBase.rgk; do
  [ -f "$zip_dir/$name" ] || fail "the zip lacks $name"
done
installed=$(files_below "$program_dir" | grep -vx uninstall.exe)
if [ "$installed" != "$(files_below "$zip_dir")" ]; then
  fail "the installer and the zip hold different files:"
  diff <(files_below "$zip_dir") <(echo "$installed")
fi
diff -rq -x uninstall.exe "$zip_dir" "$program_dir" || fail "installed files differ from the zip's"
[ -f "$program_dir/uninstall.exe" ] || fail "no uninstaller"

# Add or Remove Programs.
expect_value() { # KEY NAME EXPECTED
  local value
  value=$(reg_value "$1" "$2") || { fail "$1 has no value \"$2\""; return; }
  [ "$value" = "$3" ] || fail "$1 \"$2\" is \"$value\", not \"$3\""
}
expect_value "$uninstall_key" DisplayName "Pyrafix Pro"
expect_value "$uninstall_key" DisplayVersion "$display_version"
expect_value "$uninstall_key" Publisher "Zentrova"
expect_value "$uninstall_key" InstallLocation "$windows_dir"
expect_value "$uninstall_key" UninstallString "\"$windows_dir\\uninstall.exe\""
size_kib=$(($(reg_value "$uninstall_key" EstimatedSize)))
actual_kib=$(($(du -sk --apparent-size "$program_dir" | cut -f1)))
if [ "$size_kib" -lt $((actual_kib * 9 / 10)) ] || [ "$size_kib" -gt $((actual_kib * 11 / 10 + 4)) ]; then
  fail "EstimatedSize is $size_kib KiB for $actual_kib KiB installed"
fi

# The Start menu shortcut names the program (the link keeps the path in ANSI or UTF-16).
if [ -f "$shortcut" ]; then
  /usr/bin/python3 - "$shortcut" <<'EOF' || fail "the shortcut does not point to pyrafix.exe"
import sys
data = open(sys.argv[1], "rb").read().lower()
target = "pyrafix pro\\pyrafix.exe"
sys.exit(0 if target.encode() in data or target.encode("utf-16-le") in data else 1)
EOF
else
  fail "no Start menu shortcut"
fi

# The Explorer verb for files and folders, as Explorer reads it.
for key in "${verb_keys[@]}"; do
  expect_value "$key" "" "Scan with Pyrafix Pro"
  expect_value "$key\\command" "" "\"$windows_dir\\pyrafixc.exe\" scan-files --pause \"%1\""
done

# The installed console scanner finds its database and RegBase.rgk beside it: this
# prefix is clean, then a planted worm is found and moved into the quarantine.
log=$(wine "$windows_dir\\pyrafixc.exe" scan 2>&1)
status=$?
[ "$status" -eq 0 ] || fail "pyrafixc scan in a clean prefix exited $status: $log"
grep -q ": Your computer is clean!" <<<"$log" || fail "pyrafixc scan did not find the machine clean: $log"
printf 'pretend worm body' >"$worm"
log=$(wine "$windows_dir\\pyrafixc.exe" scan --quarantine 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "pyrafixc scan --quarantine with a planted worm exited $status: $log"
grep -q "Infected file (W32.Blaster.Worm)" <<<"$log" || fail "the planted worm was not reported: $log"
[ ! -e "$worm" ] || fail "the planted worm is still there"
[ -f "$program_dir/Quarantine.info" ] && [ -n "$(files_below "$program_dir/Quarantine")" ] ||
  fatal "the quarantine was not filled: $log"
quarantine_before=$(cd "$program_dir" && md5sum Quarantine.info $(files_below Quarantine | sed 's|^|Quarantine/|'))
# The files the program writes for itself go with it.
printf 'log' >"$program_dir/SendLog.txt"
printf 'page' >"$program_dir/list.htm"

# Uninstall. The uninstaller runs from a copy of itself, so wait for the prefix to empty.
case $case_name in
  SilentInstallScanAndUninstallKeepingTheQuarantine) wine "$windows_dir\\uninstall.exe" /S ;;
  UninstallRemovingTheQuarantineLeavesNothing) wine "$windows_dir\\uninstall.exe" /S /REMOVEQUARANTINE ;;
  *) fatal "unknown case $case_name" ;;
esac
status=$?
wineserver -w
[ "$status" -eq 0 ] || fail "the silent uninstall exited $status"

if [ "$case_name" = UninstallRemovingTheQuarantineLeavesNothing ]; then
  [ ! -e "$program_dir" ] || fail "the program folder is left: $(files_below "$program_dir" | tr '\n' ' ')"
else
  left=$(files_below "$program_dir" | grep -v '^Quarantine')
  [ -z "$left" ] || fail "the uninstall left program files: $left"
  quarantine_after=$(cd "$program_dir" && md5sum Quarantine.info $(files_below Quarantine | sed 's|^|Quarantine/|'))
  [ "$quarantine_after" = "$quarantine_before" ] || fail "the quarantine changed: $quarantine_after"
fi
key_exists "$uninstall_key" && fail "the Add or Remove Programs entry is left"
for key in "${verb_keys[@]}"; do
  key_exists "$key" && fail "the Explorer verb $key is left"
done
[ ! -e "$(dirname "$shortcut")" ] || fail "the Start menu folder is left"

[ "$failures" -eq 0 ] && echo "passed: $case_name"
exit $((failures > 0))
