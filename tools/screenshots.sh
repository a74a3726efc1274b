#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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
$shoot docs/exercises.png numeria Form6 "Option2(0)" "Option1(1)" "Option2(8)" "Option1(3)" Command2
$shoot docs/linear.png numeria Form4 Command2 Command3 Command3 Command3
$shoot docs/linear-practice.png numeria Form9 Text1=2 Text2=3 Text3=11 Command3 Command3 Command3 Command3
$shoot docs/linear-practice-zero.png numeria Form9 Text1=0 Text2=3 Text3=11 Command3
$shoot docs/fractions.png numeria Form3 Command2
$shoot docs/fractions-practice.png numeria Form8 Text1=3 Text2=4 Text3=5 Text4=6 Command3
$shoot docs/quadratic.png numeria Form10 Command1 Command2 Command2
$shoot docs/quadratic-practice.png numeria Form11 Text1=2 Text2=5 Text3=-3 Command1 Command2 Command2 Command2 Command4
$shoot docs/fractio-start.png fractio Form2
$shoot docs/fractio-menu.png fractio Form3
$shoot docs/fractio-equivalent.png fractio Form1 Text1=1 Text2=2 Command1
$shoot docs/fractio-simplify.png fractio Form4 Text1=6 Text2=3 Command1
$shoot docs/fractio-quiz.png fractio Form5 Command6
$shoot --digits eastern docs/fractions-eastern.png numeria Form3 Command2
$shoot --zoom 2 docs/integers-practice-zoom2.png numeria Form7 Text1=7 Text2=-2 Command4
$shoot docs/quadratic-practice-root.png numeria Form11 Text1=3 Text2=-250 Text3=-1234 Command1 Command2 Command2 Command2
$shoot --zoom 2 docs/fractio-equivalent-zoom2.png fractio Form1 Text1=9999 Text2=12345 Command1
rm -f docs/*-box[2-9].png docs/quadratic-practice-root-box1.png
