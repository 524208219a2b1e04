#!/usr/bin/env bash
# The real program's standard output: results stream through a pipe (the first of a hundred
# million arrives while the rest are still to come, and the run ends quietly with 0 when the
# reader goes), a full or closed output is an error with exit 1, and a usage error exits with 2.
set -u
cli=$1
database=$2
falliti=0
controlla() {  # name, expected, actual
  if [ "$2" != "$3" ]; then
    echo "$1: atteso [$2], ottenuto [$3]" >&2
    falliti=1
  fi
}
err=$(mktemp)
trap 'rm -f "$err"' EXIT

prima=$("$cli" --database "$database" --seed 7 genera "Nomi Personaggi" -n 100000000 2>"$err" | head -1)
codice=${PIPESTATUS[0]}
controlla "testo: primo risultato" "$("$cli" --database "$database" --seed 7 genera "Nomi Personaggi")" "$prima"
controlla "testo: esito" 0 "$codice"
controlla "testo: standard error" "" "$(cat "$err")"

prima=$("$cli" --database "$database" --seed 7 genera "Spunti Avventure" -n 100000000 --json 2>"$err" | head -2 | tail -1)
codice=${PIPESTATUS[0]}
controlla "json: primo oggetto" "  {\"tipo\": \"Spunti Avventure\"" "${prima%%, \"testo\"*}"
controlla "json: esito" 0 "$codice"
controlla "json: standard error" "" "$(cat "$err")"

"$cli" --database "$database" genera "Nomi Edifici" -n 3 >/dev/full 2>"$err"
controlla "disco pieno: esito" 1 "$?"
controlla "disco pieno: messaggio" \
  "Non si possono scrivere i risultati sull'uscita standard: il disco è pieno." "$(cat "$err")"

"$cli" --database "$database" genera "Nomi Edifici" -n 3 >&- 2>"$err"
controlla "uscita chiusa: esito" 1 "$?"
controlla "uscita chiusa: messaggio" \
  "Non si possono scrivere i risultati sull'uscita standard: l'uscita standard è chiusa." "$(cat "$err")"

"$cli" --database "$database" genera "Nomi Draghi" >/dev/null 2>"$err"
controlla "errore d'uso: esito" 2 "$?"
exit $falliti
