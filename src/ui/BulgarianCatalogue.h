// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// Puts Qt's own texts (context menus, dialog buttons) into Bulgarian,
// whatever the user's locale: the whole program speaks Bulgarian. False when
// Qt's Bulgarian catalogue is not installed; the texts then stay in English.
bool installBulgarianCatalogue(QCoreApplication &app);
