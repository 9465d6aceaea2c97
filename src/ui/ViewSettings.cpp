// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ViewSettings.h"

#include <QSettings>

namespace {

const QString ZoomKey = QStringLiteral("view/zoomPercent");
const QString NumbersKey = QStringLiteral("view/vertexNumbers");
const QString GridKey = QStringLiteral("view/grid");

bool isShown(const QString &key)
{
    return QSettings().value(key).toString() == QLatin1String("true");
}

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
    return isShown(NumbersKey);
}

void ViewSettings::setVertexNumbersShown(bool shown)
{
    QSettings().setValue(NumbersKey, shown);
}

bool ViewSettings::gridShown()
{
    return isShown(GridKey);
}

void ViewSettings::setGridShown(bool shown)
{
    QSettings().setValue(GridKey, shown);
}
