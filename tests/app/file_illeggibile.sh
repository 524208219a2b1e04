#!/usr/bin/env bash
# A word file the user may not read: the command line names it and exits with 1.
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
[ "$codice" -eq 1 ] && [ "$err" = "$atteso" ] && exit 0
# An unprivileged binary elsewhere than the build tree may not be reachable by "nobody".
[ "$codice" -eq 126 ] && exit 77
echo "exit $codice, stderr: $err" >&2
exit 1
