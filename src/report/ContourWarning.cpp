// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContourWarning.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr int MostNamedVertices = 10;

} // namespace

std::vector<int> namedVertices(const ContourProblem &problem)
{
    const std::vector<int> &inner = problem.innerVertices;
    return std::vector<int>(inner.begin(), inner.begin() + std::min(inner.size(), size_t(MostNamedVertices)));
}

QString contourWarning(const ContourProblem &problem)
{
    const QString notTheArea = QStringLiteral("затова това не е лицето на изпъкнал многоъгълник.");
    if (problem.isEmpty())
        return {};
    if (problem.outOfOrder)
        return QStringLiteral("Внимание: върховете не са подредени по контура, %1 „Контур“ ги подрежда.\r\n")
            .arg(notTheArea);
    const std::vector<int> &inner = problem.innerVertices;
    if (inner.size() == 1)
        return QStringLiteral("Внимание: връх %1 е вътре в многоъгълника на останалите върхове, %2\r\n")
            .arg(inner.front())
            .arg(notTheArea);
    const std::vector<int> named = namedVertices(problem);
    QStringList numbers;
    for (int vertex : named)
        numbers << QString::number(vertex);
    const QString last = inner.size() > named.size() ? QStringLiteral(" и още %1").arg(int(inner.size() - named.size()))
                                                     : QStringLiteral(" и ") + numbers.takeLast();
    return QStringLiteral("Внимание: върхове %1%2 са вътре в многоъгълника на останалите върхове, %3\r\n")
        .arg(numbers.join(QStringLiteral(", ")), last, notTheArea);
}
