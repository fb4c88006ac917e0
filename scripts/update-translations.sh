#!/usr/bin/env bash
# Refreshes the translation sources from the code and the designer forms.
# The build compiles them with lrelease; run this after changing user-visible texts, then
# translate every new entry: tst_translations fails while one is unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
# Turkish carries only its language tag: its texts show in the source language.
# Chinese is the source language: vellobox_zh.ts is kept by hand and holds only the texts
# whose source is a key rather than the sentence shown.
for lang in en ko; do
  lupdate -silent -locations none -no-obsolete src -ts "resources/translations/vellobox_${lang}.ts"
done
