#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks the program folder a school
# gets: the executable with its pictures, sounds and narration, a database folder that the
# pupils' group may write and others cannot enter, and a database that a second install
# leaves alone. As root it also checks, as an ordinary account, who may write there.
# Usage: check-install.sh BUILD_DIR GROUP
set -euo pipefail
build=$1
group=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
chmod 755 "$prefix"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { # expect DESCRIPTION ACTUAL EXPECTED
  [[ "$2" == "$3" ]] || fail "$1: $2, expected $3"
}

cmake --install "$build" --prefix "$prefix" > /dev/null
program="$prefix/lib/kwilmora"
database="$program/KWILDB/Kwilmora.db"

[[ -x "$program/kwilmora" ]] || fail "no executable kwilmora in the program folder"
for folder in Afbeeldingen Geluiden Teksten; do
  built=$(find "$build/program/$folder" -type f ! -name '.*' | wc -l)
  installed=$(find "$program/$folder" -type f | wc -l)
  [[ $built -gt 0 || $folder == Teksten ]] || fail "the build made no files in $folder"
  expect "files in $folder" "$installed" "$built"
done

[[ -f "$database" ]] || fail "no database installed"
expect "mode of the database folder" "$(stat -c %a "$program/KWILDB")" 2770
expect "mode of the database" "$(stat -c %a "$database")" 660
expect "files others may read or enter in the database folder" \
  "$(find "$program/KWILDB" -perm /o=rwx | wc -l)" 0

# A second install keeps the database that is there, pupils and all.
other=$(mktemp -u "$program/KWILDB/anders.XXXX")
"$build/program/kwilmora-initdb" --teacher-password anders "$other"
mv "$other" "$database"
before=$(sha256sum < "$database")
cmake --install "$build" --prefix "$prefix" > /dev/null
expect "database after a second install" "$(sha256sum < "$database")" "$before"
expect "mode of the database folder after a second install" "$(stat -c %a "$program/KWILDB")" 2770

if [[ $(id -u) -eq 0 ]]; then
  gid=$(getent group "$group" | cut -d: -f3)
  expect "group of the database folder" "$(stat -c %G "$program/KWILDB")" "$group"
  # A pupil's account in the group may make files beside the database (the engine's journal),
  # which get the group; an account outside it may not even read the database.
  as_pupil=(setpriv --reuid=65534 --regid=65534 --groups="$gid")
  as_outsider=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  "${as_pupil[@]}" touch "$program/KWILDB/Kwilmora.db-journal" || fail "a pupil's account cannot write the folder"
  expect "group of a file a pupil makes" "$(stat -c %G "$program/KWILDB/Kwilmora.db-journal" 2>/dev/null)" "$group"
  "${as_pupil[@]}" test -w "$database" || fail "a pupil's account cannot write the database"
  if "${as_outsider[@]}" cat "$database" > /dev/null 2>&1; then fail "an account outside the group reads the database"; fi
else
  echo "not root: the group and the accounts' access are not checked"
fi

[[ $failures -eq 0 ]] && echo "program folder laid out as expected"
exit $((failures > 0))
