#!/bin/sh
# A code-signed installer: the demo packed, signed with a throw-away certificate by osslsigncode
# and verified by it, listed by the packer, started in the /2 model mode and installed quietly;
# with one byte of its payload changed it is refused with the start-up failure code.
# Usage: signed_installer.sh WINE PACKER STUB EXAMPLES_DIR WORK_DIR
set -eu
wine=$1; packer=$2; stub=$3; demo=$4/demo; dir=$5
fail() { echo "FAILED: $*"; exit 1; }
run() { timeout 900 "$wine" "$@" 2>/dev/null | tr -d '\r'; }

rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"
run "$packer" build --description "$demo/product" --library DATA="$demo/data" \
  --library DOCS="$demo/docs" --stub "$stub" -o setup.exe >/dev/null
[ -f setup.exe ] || fail "the packer made no installer"
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 1 \
  -subj "/CN=Throw-away test publisher" 2>/dev/null
osslsigncode sign -certs cert.pem -key key.pem -n Demo -in setup.exe -out signed.exe >/dev/null ||
  fail "osslsigncode could not sign the installer"
osslsigncode verify -CAfile cert.pem signed.exe >/dev/null ||
  fail "osslsigncode does not verify the signed installer"

listing=$(run "$packer" list signed.exe || true)
echo "$listing"
echo "$listing" | grep -qx "checksum: right (with the signing fields as zeros)" ||
  fail "the packer does not see the signing-neutral checksum"
echo "$listing" | grep -q "^signature: [0-9]* bytes appended at " ||
  fail "the packer does not see the appended signature"

code=0; timeout 900 "$wine" signed.exe /2 >/dev/null 2>&1 || code=$?
[ "$code" -eq 0 ] && [ -f Maquette/signed.cpx/install.ini ] ||
  fail "signed.exe /2 ended with $code and no model"

# DESTINATION in the test's folder, as a Windows path through Wine's drive Z:.
target=$(echo "Z:$dir/installed" | tr / '\\' | sed 's/\\/\\\\/g')
printf 'Variable\r\n+\r\n\tDESTINATION = "%s"\r\n-\r\n' "$target" >answers.txt
code=0; timeout 900 "$wine" signed.exe /0 /quiet /answers=answers.txt /log=install.log \
  >/dev/null 2>&1 || code=$?
[ "$code" -eq 0 ] || fail "the quiet installation ended with $code: $(cat install.log)"
cmp -s "$demo/data/readme.txt" installed/readme.txt || fail "readme.txt was not installed"
grep -q "INSTALLATION TERMINEE AVEC SUCCES" install.log || fail "no success in the log"

# One byte of the first library changed.
cp signed.exe damaged.exe
offset=$((135168 + 200))
byte=$(od -An -tu1 -j $offset -N1 damaged.exe | tr -d ' ')
printf "$(printf '\\%03o' $(( (byte + 1) % 256 )))" |
  dd of=damaged.exe bs=1 seek=$offset conv=notrunc 2>/dev/null
code=0; timeout 900 "$wine" damaged.exe /0 /quiet /log=damaged.log >/dev/null 2>&1 || code=$?
[ "$code" -eq 3 ] || fail "the damaged installer ended with $code instead of 3"
grep -q "Le fichier contient des erreurs" damaged.log || fail "the damage is not in the log"
echo "signed installer: verified, listed, started, installed; damaged copy refused"
