// SPDX-License-Identifier: GPL-3.0-or-later
// numeria: starts on the main menu and runs until the pupil leaves.
#include "numeria/screens.h"
#include "qt/app.h"

int main(int argc, char** argv) { return qtview::run_program(argc, argv, numeria::program()); }
