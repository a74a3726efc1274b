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
$shoot docs/quadratic.png numeria Form10 Command1 Command2 Command2
$shoot docs/quadratic-practice.png numeria Form11 Text1=2 Text2=5 Text3=-3 Command1 Command2 Command2 Command2 Command4
rm -f docs/*-box[2-9].png
