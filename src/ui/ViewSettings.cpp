// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ViewSettings.h"

#include <QSettings>

namespace {

const QString ZoomKey = QStringLiteral("view/zoomPercent");
const QString NumbersKey = QStringLiteral("view/vertexNumbers");

} // namespace

int ViewSettings::zoomPercent()
{
    bool read = false;
    const int percent = QSettings().value(ZoomKey).toInt(&read);
    return read ? percent : 100;
}

void ViewSettings::setZoomPercent(int percent)
{
    QSettings().setValue(ZoomKey, percent);
}

bool ViewSettings::vertexNumbersShown()
{
    return QSettings().value(NumbersKey).toString() == QLatin1String("true");
}

void ViewSettings::setVertexNumbersShown(bool shown)
{
    QSettings().setValue(NumbersKey, shown);
}
