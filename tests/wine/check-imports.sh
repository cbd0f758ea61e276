#!/usr/bin/env bash
# tests/wine/check-imports.sh OBJDUMP PROGRAM.exe...
# Fails unless each Windows program imports only DLLs that every Windows has, read from its
# import table with OBJDUMP (mingw-w64's objdump): the C++ library, libgcc and winpthread must
# be linked into the program, not looked for beside it. A system DLL the program comes to need
# is added to the list below.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 OBJDUMP PROGRAM.exe..." >&2; exit 2; }
objdump=$1
shift
system_dlls=" advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt ole32 oleaut32 shell32 shlwapi user32 uxtheme version "

status=0
for program in "$@"; do
  imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
  if [ -z "$imports" ]; then
    echo "$program: no import table found" >&2
    status=1
  fi
  for dll in $imports; do
    name=${dll,,}
    if [[ $system_dlls != *" ${name%.dll} "* ]]; then
      echo "$program imports $dll, which Windows does not have" >&2
      status=1
    fi
  done
done
exit "$status"
