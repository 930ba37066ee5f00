#!/bin/sh
# Every spoken solution line and explanation of a set of calculations (spoken_lines prints
# them), read by espeak-ng's Bulgarian voice: none may switch to another language ("(en)" in
# its phonemes), and every line whose written form has a root must say "корен".
# Usage: spoken_lines_test.sh path/to/spoken_lines
set -eu
program=$1
if ! command -v espeak-ng >/dev/null 2>&1; then
  echo "espeak-ng is not installed (scripts/install-deps.sh test installs it)"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$program" --text >"$work/pairs"
failures=0
lines=0
# The output alternates: a written line, then its spoken form.
while IFS= read -r written && IFS= read -r spoken; do
  lines=$((lines + 1))
  phonemes=$(printf '%s\n' "$spoken" | espeak-ng -v bg -x -q --stdin)
  case $phonemes in
    *'('[a-z]*')'*)
      echo "another language in: $spoken"
      echo "  phonemes: $phonemes"
      failures=$((failures + 1)) ;;
  esac
  case $written in
    *√*)
      case $spoken in
        *корен*) ;;
        *) echo "a root not said as one: $written / $spoken"; failures=$((failures + 1)) ;;
      esac ;;
  esac
  if printf '%s\n' "$spoken" | grep -Eq '[A-Za-z]|√|∜|·|≈|⇒|²|/'; then
    echo "a symbol the voice does not say: $spoken"
    failures=$((failures + 1))
  fi
done <"$work/pairs"
echo "$lines spoken lines checked, $failures failures"
[ "$lines" -gt 100 ] && [ "$failures" -eq 0 ]
