#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows installer and zip under Wine, in a fresh prefix and a virtual
# X server of their own: installs silently, checks the installed files, the
# Start-menu shortcut and the entry in the list of installed programs,
# opens the program through the shortcut and times its window, closes it,
# uninstalls silently with the entry's own command and checks that nothing
# installed is left; checks the zip's names and texts on the way.
# An MSI package is upgraded in place by one of a later version before it goes.
# usage: installer.sh zarvelon-<version>-setup.exe|-x64.msi zarvelon-<version>-windows-x64.zip [zarvelon-<later>-x64.msi]
set -uo pipefail

setup=${1?usage: $0 setup.exe zip}
zip=${2:?usage: $0 setup.exe zip}
later=${3:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR
source "$here/wine-prefix.sh"
# shellcheck source-path=SCRIPTDIR/..
source "$here/../virtual-display.sh"

if [ -z "$setup" ]; then
    echo "SKIP: it was not built (makensis, or wixl and msibuild: Debian packages nsis, wixl, msitools)" >&2
    exit 77
fi
for tool in "$WINE" "$WINESERVER" Xvfb xdotool cmake iconv timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian packages wine64, xvfb, xdotool, cmake)" >&2
        exit 77
    fi
done
is_msi() { [[ $setup == *.msi ]]; }
for file in "$setup" "$zip" ${later:+"$later"}; do
    [ -f "$file" ] || { echo "FAIL: no file $file" >&2; exit 1; }
done
setup=$(realpath "$setup")
zip=$(realpath "$zip")
version_of() { basename "$1" | cut -d- -f2; }
version=$(version_of "$setup")

work=$(mktemp -d)
xvfb_pid=
app_pid=
wine_use_private_prefix "$work"
# The Windows build draws with Windows' own platform plugin.
unset QT_QPA_PLATFORM
trap 'wine_end_test "$work" "$app_pid" "$xvfb_pid"' EXIT

failures=0
check() { # description, command...: counts a failure, goes on
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what" >&2
        failures=$((failures + 1))
    fi
}
fail() { echo "FAIL: $*" >&2; exit 1; }

started=
seconds_since() { awk -v from="$1" -v to="$EPOCHREALTIME" 'BEGIN { printf "%.2f", to - from }'; }

# --- the zip -----------------------------------------------------------------
# Unpacked first: the installed files are compared with it.

unpacked=$work/zip
mkdir "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip") || fail "cmake could not unpack $zip"
check "the zip holds zarvelon.exe, README.txt and LICENSE.txt, no folder, nothing else" \
    test "$(cmake -E tar tf "$zip" | LC_ALL=C sort | tr '\n' ' ')" = "LICENSE.txt README.txt zarvelon.exe "

# Every line ended by CR LF, no CR elsewhere.
crlf_only() { # file
    local lines returns
    lines=$(tr -cd '\n' <"$1" | wc -c)
    returns=$(tr -cd '\r' <"$1" | wc -c)
    [ "$lines" -gt 0 ] && [ "$returns" -eq "$lines" ] && [ "$(grep -c $'\r$' "$1")" -eq "$lines" ]
}
starts_with_bom() { [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = efbbbf ]; }
names_shipped_files() { # read-me: names both files by their real names
    grep -qF "$(basename "$setup")" "$1" && grep -qF "$(basename "$zip")" "$1"
}
for text in README.txt LICENSE.txt; do
    check "$text has CR LF line ends" crlf_only "$unpacked/$text"
done
check "README.txt starts with the UTF-8 byte-order mark" starts_with_bom "$unpacked/README.txt"
check "README.txt is valid UTF-8" iconv -f UTF-8 -t UTF-8 -o /dev/null "$unpacked/README.txt"
check "README.txt names the installer and the zip of this version" names_shipped_files "$unpacked/README.txt"

# --- a virtual X server and a Wine prefix of the test's own ---------------------

start_virtual_display "$work" || fail "no virtual X server"

started=$EPOCHREALTIME
wine_make_prefix "$WINEPREFIX" || fail "Wine could not make a prefix in $WINEPREFIX"
echo "time: Wine prefix made in $(seconds_since "$started") s"

drive_c=$WINEPREFIX/drive_c
install_dir="$drive_c/Program Files/Zarvelon"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zarvelon.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

files="LICENSE.txt README.txt uninstall.exe zarvelon.exe "
is_msi && files=${files/uninstall.exe /} # no uninstaller: Windows Installer removes it
msi_install() { (cd "$(dirname "$1")" && timeout "$patience" "$WINE" msiexec /i "$(basename "$1")" /qn); }

# --- silent install ------------------------------------------------------------

started=$EPOCHREALTIME
if is_msi; then msi_install "$setup"; else timeout "$patience" "$WINE" "$setup" /S; fi \
    || fail "the silent install ended with status $?"
echo "time: installed silently in $(seconds_since "$started") s"

check "the program folder holds the zip's files: $files" \
    test "$(cd "$install_dir" 2>/dev/null && LC_ALL=C ls -A | tr '\n' ' ')" = "$files"
for file in zarvelon.exe README.txt LICENSE.txt; do
    check "the installed $file is the zip's" cmp -s "$install_dir/$file" "$unpacked/$file"
done
# Wine puts an MSI package's shortcut for all users into the user's Start menu.
is_msi && shortcut=$(find "$drive_c/users" -path '*/Start Menu/Programs/Zarvelon.lnk' -print -quit)
check "the Start menu has the shortcut Zarvelon.lnk" test -f "$shortcut"

registry() { # key: what Windows' reg query shows of it
    timeout 30 "$WINE" reg query "$1" 2>/dev/null | tr -d '\r'
}
# An MSI package's entry is named by its product code, the only one in the prefix.
key=Zarvelon
msi_keys() { registry "$uninstall_key" | grep -o '{[-0-9A-F]*}$'; }
is_msi && key=$(msi_keys)
# The entry in the list of installed programs, its values as "name|type|value" rows.
registry "$uninstall_key\\$key" \
    | awk -F '    ' 'NF >= 3 && $1 == "" { print $2 "|" $3 "|" $4 }' >"$work/entry"
windows_dir='C:\Program Files\Zarvelon'
is_msi && expected_rows=(
    "DisplayName|REG_SZ|Zarvelon" "DisplayVersion|REG_SZ|$version" "Publisher|REG_SZ|Zarvelon Project"
    "InstallLocation|REG_SZ|$windows_dir\\" "NoModify|REG_DWORD|0x1" "NoRepair|REG_DWORD|0x1"
) || expected_rows=(
    "DisplayName|REG_SZ|Zarvelon"
    "DisplayVersion|REG_SZ|$version"
    "Publisher|REG_SZ|Zarvelon Project"
    "DisplayIcon|REG_SZ|$windows_dir\\zarvelon.exe"
    "InstallLocation|REG_SZ|$windows_dir"
    "UninstallString|REG_SZ|\"$windows_dir\\uninstall.exe\""
    "NoModify|REG_DWORD|0x1"
    "NoRepair|REG_DWORD|0x1"
)
for row in "${expected_rows[@]}"; do
    check "installed-programs entry: $row" grep -qxF "$row" "$work/entry"
done
# EstimatedSize: the files in KiB, rounded either way.
bytes=$(cat "$install_dir"/* | wc -c)
estimated=$(awk -F '|' '$1 == "EstimatedSize" && $2 == "REG_DWORD" { print $3 }' "$work/entry")
[ -n "$estimated" ] && estimated=$((estimated))
is_msi || check "installed-programs entry: EstimatedSize ${estimated:-missing} KiB for $bytes bytes" \
    test "${estimated:-0}" -ge $((bytes / 1024)) -a "${estimated:-0}" -le $(((bytes + 1023) / 1024))

is_msi && check "the entry's icon, which Windows Installer keeps by the product code, is Zarvelon's" \
    cmp -s "$drive_c/windows/Installer/$key/zarvelon.ico" "$here/../../src/ui/resources/zarvelon.ico"

# --- the program, opened through the Start-menu shortcut --------------------------

started=$EPOCHREALTIME
timeout 120 "$WINE" start /wait /unix "$shortcut" >"$work/app.log" 2>&1 &
app_pid=$!
wait_until "$patience" window_named '^Zarvelon$' \
    || fail "no visible window named Zarvelon within $patience s of opening the shortcut"
echo "time: window shown $(seconds_since "$started") s after the shortcut was opened"

# Closed as a pupil closes it. Wine lets the program's process outlive its
# window by a few seconds; once the Wine server has ended, every process of
# the prefix has, and the uninstaller starts on an idle prefix (started
# while Wine's own processes are still ending, it waits ten seconds).
started=$EPOCHREALTIME
timeout 5 xdotool windowfocus --sync "$window" key alt+F4 || fail "xdotool could not press Alt+F4"
timeout "$patience" "$WINESERVER" -w || fail "the program did not end within $patience s of Alt+F4"
wait "$app_pid"
app_pid=
echo "time: program and Wine ended $(seconds_since "$started") s after Alt+F4"

if is_msi; then # an MSI package of a later version over it, in place
    started=$EPOCHREALTIME
    msi_install "$later" || fail "the silent upgrade ended with status $?"
    echo "time: upgraded silently in $(seconds_since "$started") s"
    key=$(msi_keys)
    check "one entry is left, of version $(version_of "$later")" \
        grep -qx "    DisplayVersion    REG_SZ    $(version_of "$later")" <(registry "$uninstall_key\\$key")
    check "the installed zarvelon.exe is the zip's" cmp -s "$install_dir/zarvelon.exe" "$unpacked/zarvelon.exe"
fi

# --- silent uninstall, with the entry's own command --------------------------------
# As a deployment script runs it, in a batch file of the command interpreter;
# everything is checked as soon as it returns, ready for a new installation.

quiet=$(awk -F '|' '$1 == "QuietUninstallString" { print $3 }' "$work/entry")
is_msi && quiet="msiexec /x $key /qn" # Windows Installer's own quiet command
[ -n "$quiet" ] || fail "no QuietUninstallString to uninstall with"
printf '@%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$quiet" >"$drive_c/uninstall.bat"
started=$EPOCHREALTIME
timeout "$patience" "$WINE" cmd /c 'C:\uninstall.bat' || fail "the silent uninstall ended with status $?"
echo "time: uninstalled silently in $(seconds_since "$started") s"

check "the program folder is gone" test ! -e "$install_dir"
check "the shortcut is gone" test ! -e "$shortcut"
check "no ~nsu*.tmp is left" test -z "$(find "$drive_c" -name '~nsu*.tmp' -print -quit)"
registry_has() { registry "$1" >/dev/null; }
no_entry() { registry_has "$uninstall_key" && ! registry_has "$uninstall_key\\$key"; }
check "the list of installed programs has no Zarvelon entry" no_entry
check "nothing named Zarvelon is left on drive C:" test -z "$(find "$drive_c" -iname '*zarvelon*' -print -quit)"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installer or the zip failed" >&2
    exit 1
fi
echo "PASS"
