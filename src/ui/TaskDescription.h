// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The task that the report box shows when the program starts: 21 lines,
// each ended by CR LF.
QString taskDescription();
