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
$shoot docs/fractio-start.png fractio Form2
$shoot docs/fractio-menu.png fractio Form3
$shoot docs/fractio-equivalent.png fractio Form1 Text1=1 Text2=2 Command1
$shoot docs/fractio-simplify.png fractio Form4 Text1=6 Text2=3 Command1
$shoot docs/fractio-quiz.png fractio Form5 Command6
rm -f docs/*-box[2-9].png
