#!/bin/sh
# The stub may import only DLLs that every Windows has.
objdump=$1; exe=$2
allowed='kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll comctl32.dll comdlg32.dll msvcrt.dll'
status=0
for dll in $("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
  case " $allowed " in
    *" $dll "*) echo "imports $dll" ;;
    *) echo "FORBIDDEN import: $dll"; status=1 ;;
  esac
done
size=$(stat -c %s "$exe")
[ "$size" -eq 135168 ] || { echo "stub is $size bytes, not 135168"; status=1; }
exit $status
