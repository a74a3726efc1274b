// SPDX-License-Identifier: GPL-3.0-or-later
// fractio: starts on its start screen and runs until the pupil leaves.
#include "fractio/screens.h"
#include "qt/app.h"

int main(int argc, char** argv) { return qtview::run_program(argc, argv, fractio::program()); }
