#!/usr/bin/env bash
# Renders the README's pictures of the screens into docs/ (offscreen; build first).
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
shoot=./build/tools/shoot
mkdir -p docs
$shoot docs/menu.png numeria Form1
$shoot docs/about.png numeria Form5
$shoot docs/integers.png numeria Form2 Command4
$shoot docs/integers-practice.png numeria Form7 Text1=7 Text2=-2 Command4
$shoot docs/fractions.png numeria Form3 Command2
$shoot docs/fractions-practice.png numeria Form8 Text1=3 Text2=4 Text3=5 Text4=6 Command3
rm -f docs/*-box[2-9].png
