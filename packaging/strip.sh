#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Strips an installed program as Debian does: no symbols the loader does not need, and neither
# the compiler's notes nor its version comments.
exec strip --strip-unneeded --remove-section=.comment --remove-section=.note "$@"
