#!/bin/sh
# The stub may import only DLLs that every Windows has and always takes from its own folder:
# an import of any other DLL (comctl32 among them) is resolved beside the program first, where a
# download folder may hold a planted copy. The stub loads those by path.
objdump=$1; exe=$2
allowed='kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll comdlg32.dll msvcrt.dll'
dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
# An empty list means objdump read nothing: every Windows program imports kernel32.
case " $(echo $dlls) " in
  *" kernel32.dll "*) ;;
  *) echo "no import table read from $exe"; exit 1 ;;
esac
status=0
for dll in $dlls; do
  case " $allowed " in
    *" $dll "*) echo "imports $dll" ;;
    *) echo "FORBIDDEN import: $dll"; status=1 ;;
  esac
done
exit $status
