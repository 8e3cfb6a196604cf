#!/usr/bin/env bash
# Checks that the C++ sources are formatted as .clang-format says (the clang-format of Debian 12);
# with --fix formats them in place instead. The converter's sources under tools/sources are left alone.
source "$(dirname "$0")/common.sh"
case ${1:-} in
  "" | --fix) ;;
  *) echo "Usage: $0 [--fix]" >&2; exit 2 ;;
esac
command -v clang-format >/dev/null || install_missing_packages
cd "$TOPBAND_SOURCE"
folders=(app bench core mainwin platform state tests tools window)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # Tracked files and new ones not yet added, less the ignored ones.
  listed=$(git ls-files --cached --others --exclude-standard -- "${folders[@]}" ':!tools/sources')
else
  listed=$(find "${folders[@]}" -path tools/sources -prune -o -type f -print)
fi
files=()
while IFS= read -r file; do
  if [[ $file =~ \.(h|cpp)$ && -f $file ]]; then files+=("$file"); fi
done <<<"$listed"
[ ${#files[@]} -gt 0 ] || { echo "No C++ sources found." >&2; exit 1; }

if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  echo "Formatted ${#files[@]} files."
elif ! clang-format --dry-run --Werror --ferror-limit=1 "${files[@]}"; then
  echo "The files above are not formatted as .clang-format says (the first difference of each is shown);" \
    "scripts/check_format.sh --fix formats them." >&2
  exit 1
else
  echo "All ${#files[@]} files are formatted."
fi
