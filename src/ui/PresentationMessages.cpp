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

QStringList verticesStep(const std::vector<Point> &vertices, int room, int columns)
{
    const int n = int(vertices.size());
    QStringList lines{n == 0 ? QStringLiteral("Няма върхове.")
                             : QStringLiteral("Върхове (%1) с координатите им (X; Y):").arg(n)};
    const int rows = std::max(1, room - 2);
    const int shown = n <= rows * columns ? n : rows * columns - 1;
    for (int row = 0; row < rows && row < shown; ++row) {
        QStringList cells;
        for (int i = row; i < shown; i += rows)
            cells << vertexWithCoordinates(i + 1, vertices[size_t(i)]);
        if (row == rows - 1 && shown < n)
            cells << QStringLiteral("… и още %1").arg(n - shown);
        lines << cells.join(u'\t');
    }
    lines << QStringLiteral("X расте надясно, Y расте надолу от горния ляв ъгъл на платното.");
    return lines;
}

QString notComputed()
{
    return QStringLiteral("Натиснете „Контур“ или „Поред“, за да видите триъгълниците.");
}

QStringList triangleStep(const FanTriangle &t, int index, int count, double runningTotal)
{
    const TriangleMeasures &m = t.measures;
    return {QStringLiteral("Триъгълник %1 от %2: върхове 1, %3 и %4").arg(index + 1).arg(count).arg(t.k).arg(t.k + 1),
            QStringLiteral("%1, %2, %3").arg(vertexWithCoordinates(1, t.A), vertexWithCoordinates(t.k, t.B),
                                             vertexWithCoordinates(t.k + 1, t.C)),
            QStringLiteral("Страни: a = %1; b = %2; c = %3")
                .arg(fixedDecimalsText(m.a, 3), fixedDecimalsText(m.b, 3), fixedDecimalsText(m.c, 3)),
            QStringLiteral("Лице по Херон = %1").arg(standardNumberText(m.heron)),
            QStringLiteral("D = %1; лице ориентирано |D| = %2")
                .arg(roundedNumberText(m.determinant, 3), standardNumberText(std::fabs(m.determinant))),
            QStringLiteral("Сбор на |D| дотук: %1").arg(standardNumberText(runningTotal))};
}

QStringList totalStep(const Board &board)
{
    QStringList lines;
    const DrawnFigure &figure = board.figure();
    if (!figure.fan)
        return lines;
    const LinedText &report = board.reportLines();
    const int total = firstLineOf({ReportPart::Total, -1}, int(figure.fan->triangles.size()));
    for (int line = total; line < report.lineCount(); ++line)
        if (!report.lineContent(line).isEmpty())
            lines << report.lineContent(line).toString();
    return lines;
}

} // namespace Messages
