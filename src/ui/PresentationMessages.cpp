// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PresentationMessages.h"

#include "Board.h"
#include "Messages.h"
#include "NumberText.h"
#include "ReportLayout.h"

#include <algorithm>
#include <cmath>

namespace Messages {

QString presentationCaption()
{
    return QStringLiteral("Zarvelon — на цял екран");
}

QString presentationKeys()
{
    return QStringLiteral("→ напред, ← назад, номер и Enter — към триъгълника, Escape — изход");
}

QString typedTriangle(const QString &typed)
{
    return QStringLiteral("Към триъгълник %1 — Enter").arg(typed);
}

int listedVertices(int count, int cells)
{
    return count <= cells ? count : std::max(0, cells - 1);
}

QString moreVertices(int count)
{
    return QStringLiteral("… и още %1").arg(count);
}

QStringList verticesStep(const std::vector<Point> &vertices, int room, int columns)
{
    const int n = int(vertices.size());
    QStringList lines{n == 0 ? QStringLiteral("Няма върхове.")
                             : QStringLiteral("Върхове (%1) с координатите им (X; Y):").arg(n)};
    const int rows = std::max(1, room - 2);
    const int shown = listedVertices(n, rows * columns);
    for (int row = 0; row < rows && row < n; ++row) {
        QStringList cells;
        for (int i = row; i < shown; i += rows)
            cells << vertexWithCoordinates(i + 1, vertices[size_t(i)]);
        if (row == rows - 1 && shown < n)
            cells << moreVertices(n - shown);
        lines << cells.join(u'\t');
    }
    lines << QStringLiteral("X расте надясно, Y расте надолу от горния ляв ъгъл на платното.");
    return lines;
}

QString notComputed()
{
    return QStringLiteral("Натиснете „Контур“ или „Поред“, за да видите триъгълниците.");
}

namespace {

constexpr int Decimals = 3;

// "= 5" where the text with three decimals is the value itself, "≈ 5.385"
// where it rounds it.
QString equalTo(double value, const QString &text)
{
    const double thousandths = value * 1000;
    return (std::round(thousandths) == thousandths ? QStringLiteral("= ") : QStringLiteral("≈ ")) + text;
}

QString length(double value)
{
    return equalTo(value, fixedDecimalsText(value, Decimals));
}

} // namespace

QStringList triangleStep(const FanTriangle &t, int index, int count, double runningTotal)
{
    const TriangleMeasures &m = t.measures;
    return {QStringLiteral("Триъгълник %1 от %2: върхове 1, %3 и %4").arg(index + 1).arg(count).arg(t.k).arg(t.k + 1),
            QStringLiteral("%1, %2, %3").arg(vertexWithCoordinates(1, t.A), vertexWithCoordinates(t.k, t.B),
                                             vertexWithCoordinates(t.k + 1, t.C)),
            QStringLiteral("Страни: a %1; b %2; c %3").arg(length(m.a), length(m.b), length(m.c)),
            QStringLiteral("Лице по Херон %1").arg(equalTo(m.heron, roundedNumberText(m.heron, Decimals))),
            QStringLiteral("Ориентирано лице D = %1; лице |D| = %2")
                .arg(roundedNumberText(m.determinant, Decimals), roundedNumberText(std::fabs(m.determinant), Decimals)),
            QStringLiteral("Сбор на |D| дотук: %1").arg(standardNumberText(runningTotal))};
}

QStringList totalStep(const Board &board)
{
    QStringList lines;
    const DrawnFigure &figure = board.figure();
    if (!figure.fan)
        return lines;
    const LinedText &report = board.reportLines();
    const int triangles = int(figure.fan->triangles.size());
    const int warning = firstLineOf({ReportPart::Warning, -1}, triangles);
    // The sum is the area of a convex polygon only where nothing is warned of.
    if (warning < report.lineCount() && !report.lineContent(warning).isEmpty())
        return {QStringLiteral("Сборът на |D| = %1").arg(standardNumberText(figure.fan->total)),
                report.lineContent(warning).toString()};
    const int total = firstLineOf({ReportPart::Total, -1}, triangles);
    if (total < report.lineCount())
        lines << report.lineContent(total).toString();
    return lines;
}

} // namespace Messages
