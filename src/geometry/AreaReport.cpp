// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AreaReport.h"

#include "NumberText.h"

#include <cmath>

namespace {

constexpr QStringView LineEnd = u"\r\n";

void appendCoordinates(QString &text, Point p)
{
    text += standardNumberText(p.x);
    text += u',';
    text += standardNumberText(p.y);
}

void appendTriangle(QString &text, const FanTriangle &t)
{
    const TriangleMeasures &m = t.measures;
    // The vertex numbers run together: 1, 9 and 10 are headed "1910".
    text += u"Върхове: 1";
    text += QString::number(t.k);
    text += QString::number(t.k + 1);
    text += u" с координати: ";
    appendCoordinates(text, t.A);
    text += u"; ";
    appendCoordinates(text, t.B);
    text += u"; ";
    appendCoordinates(text, t.C);
    text += LineEnd;
    text += u"Страни: a = ";
    text += fixedDecimalsText(m.a, 3);
    text += u"; b = ";
    text += fixedDecimalsText(m.b, 3);
    text += u"; c = ";
    text += fixedDecimalsText(m.c, 3);
    text += LineEnd;
    text += u"Лице по Херон = ";
    text += standardNumberText(m.heron);
    text += u"; Лице ориентирано = ";
    text += standardNumberText(std::fabs(m.determinant));
    text += LineEnd;
    text += LineEnd;
}

void appendTotal(QString &text, double total)
{
    text += u"Лице на изпъкналия многоъгълник = ";
    text += standardNumberText(total);
    text += LineEnd;
}

} // namespace

QString areaReport(const Fan &fan)
{
    QString text;
    text.reserve(qsizetype(fan.triangles.size()) * 176 + 64);
    for (const FanTriangle &t : fan.triangles)
        appendTriangle(text, t);
    appendTotal(text, fan.total);
    return text;
}
