#!/bin/sh
# Runs the build command of each example's README as written, from a folder where "examples" is
# the repository's, with the packer and a stand-in stub side by side as scripts/build-packer
# leaves them.
# Usage: example_commands.sh MKINSTALLER EXAMPLES_DIR WORK_DIR
set -eu
packer=$1; examples=$2; work=$3
rm -rf "$work" && mkdir -p "$work/packer"
cp "$packer" "$work/packer/mkinstaller"
head -c 135168 /dev/zero >"$work/packer/installer.exe"
ln -s "$examples" "$work/examples"
cd "$work"
count=0
for readme in examples/*/README.md; do
  grep '^    mkinstaller build ' "$readme" | while read -r command; do
    echo "$readme: $command"
    # The command's words as written; only the packer's name gets its path.
    eval "$work/packer/$command"
  done
  count=$((count + 1))
done
[ "$count" -gt 0 ] || { echo "no example README found in $examples"; exit 1; }
ls ./*.exe
