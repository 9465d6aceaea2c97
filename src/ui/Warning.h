// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// A warning over the window, closed by its one button. The user's own text
// in it stays text: a quoted line is never read as markup.
void showWarning(QWidget *window, const QString &message);
