#!/usr/bin/env bash
# A word file, then a folder of word files, that the user may not read: the command line names
# each and exits with 1.
# Root reads every file, so the command runs as "nobody" through setpriv.
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/Database"
printf 'ka' > "$dir/Database/SillabeGenerico.txt"
chmod 000 "$dir/Database/SillabeGenerico.txt"
chmod 755 "$dir" "$dir/Database"
esegui=("$cli")
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || exit 77
  esegui=(setpriv --reuid=65534 --regid=65534 --clear-groups "$cli")
fi
err=$("${esegui[@]}" --database "$dir/Database" genera "Nomi Personaggi" 2>&1 >/dev/null)
codice=$?
atteso="Il file di parole \"$dir/Database/SillabeGenerico.txt\" non si può leggere."
# An unprivileged binary elsewhere than the build tree may not be reachable by "nobody".
[ "$codice" -eq 126 ] && exit 77
if [ "$codice" -ne 1 ] || [ "$err" != "$atteso" ]; then
  echo "exit $codice, stderr: $err" >&2
  exit 1
fi

# A folder of word files that may not be searched: named once, as a folder, by both commands.
chmod 644 "$dir/Database/SillabeGenerico.txt"
chmod 600 "$dir/Database"
chown 65534 "$dir/Database" 2>/dev/null || true
err=$("${esegui[@]}" --database "$dir/Database" genera "Nomi Personaggi" 2>&1 >/dev/null)
codice=$?
atteso="La cartella dei file di parole \"$dir/Database\" non si può aprire: permesso negato."
if [ "$codice" -ne 1 ] || [ "$err" != "$atteso" ]; then
  echo "cartella chiusa, genera: exit $codice, stderr: $err" >&2
  exit 1
fi
out=$("${esegui[@]}" controlla --database "$dir/Database" 2>/dev/null)
atteso="$dir/Database: errore: la cartella non si può aprire: permesso negato"
if ! printf '%s\n' "$out" | grep -qxF "$atteso"; then
  echo "cartella chiusa, controlla: $out" >&2
  exit 1
fi
chmod 755 "$dir/Database"
exit 0
