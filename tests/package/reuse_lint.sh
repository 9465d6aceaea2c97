#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every file of the source tree states its copyright and licence, and every
# licence named has its text in LICENSES/ (the REUSE rules).
# usage: reuse_lint.sh path/to/source
set -uo pipefail

source_dir=${1:?usage: $0 path/to/source}
if ! command -v reuse >/dev/null; then
    echo "SKIP: reuse is not installed (scripts/setup.sh test installs it)" >&2
    exit 77
fi
reuse --root "$source_dir" lint
