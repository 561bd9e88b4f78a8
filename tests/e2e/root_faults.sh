#!/bin/sh
# Runs the end-to-end fault cases that only root can set up for a program under Wine: a volume of
# 4 MB (a tmpfs) mapped as a free drive letter of the Wine prefix, and a destination file marked
# immutable (Wine's read-only attribute does not hold against root, so the file is made unwritable
# underneath). Both are taken away again however the test ends. Without root the cases are
# reported as skipped (exit code 77), not as passed.
# Usage: root_faults.sh WINE E2E_TESTS WORK_DIR
set -u
wine=$1; tests=$2; work=$3
small=$work/small; unwritable=$work/unwritable
devices=${WINEPREFIX:-$HOME/.wine}/dosdevices
link=
cleanup() {
  chattr -i "$unwritable/readme.txt" 2>/dev/null
  rm -rf "$unwritable"
  [ -n "$link" ] && rm -f "$link"
  mountpoint -q "$small" && { umount "$small" 2>/dev/null || umount -l "$small"; }
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
skip() { echo "SKIPPED: $1; these cases need root"; exit 77; }

mkdir -p "$small" "$unwritable"
error=$(mount -t tmpfs -o size=4m tmpfs "$small" 2>&1) || skip "no tmpfs can be mounted (${error:-refused})"
printf 'kept\r\n' >"$unwritable/readme.txt"
error=$(chattr +i "$unwritable/readme.txt" 2>&1) || skip "no file can be made immutable (${error:-refused})"
for letter in t u v w x y; do
  [ -e "$devices/$letter:" ] || [ -L "$devices/$letter:" ] || { link="$devices/$letter:"; break; }
done
[ -n "$link" ] || { echo "FAILED: no free drive letter in $devices"; exit 1; }
ln -s "$small" "$link"

# A hang fails the test here rather than at CTest's limit, so that the clean-up still runs. A
# filter that matched no test would pass with nothing run, so at least one case must have passed.
output=$work/root_faults.out
E2E_FULL_DRIVE=$(basename "$link" | tr a-z A-Z) \
E2E_READONLY_FOLDER=Z:$(echo "$unwritable" | tr / '\\') \
  timeout 900 "$wine" "$tests" --gtest_filter='AsRoot.*' >"$output" 2>&1
status=$?
cat "$output"
grep -q '^\[  PASSED  \] [1-9]' "$output" || { echo "FAILED: no case passed"; exit 1; }
exit $status
