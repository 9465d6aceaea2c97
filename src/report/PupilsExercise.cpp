// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PupilsExercise.h"

#include "ContourWarning.h"
#include "NumberText.h"

namespace {

const QString Blank = QStringLiteral("__________");

} // namespace

QString pupilsExercise(const std::vector<Point> &vertices)
{
    QString text = QStringLiteral(
        "Разделете многоъгълника на триъгълници с общ връх 1. За всеки триъгълник намерете страните a, b и c "
        "(a е срещу връх 1, b срещу втория връх, c срещу третия) с три десетични знака, лицето му "
        "по Херон и ориентираното му лице по координатите на върховете. Накрая намерете лицето на "
        "многоъгълника.\r\n");
    // What the teacher's sheet says of the sum, the pupil's sheet says too.
    text += contourWarning(vertices);
    text += QStringLiteral("\r\nКоординати на върховете (X; Y):\r\n");
    for (size_t i = 0; i < vertices.size(); ++i)
        text += QStringLiteral("%1: (%2; %3)\r\n")
                    .arg(i + 1)
                    .arg(standardNumberText(vertices[i].x), standardNumberText(vertices[i].y));
    for (size_t k = 2; k < vertices.size(); ++k)
        text += QStringLiteral("\r\nВърхове: 1 %1 %2\r\nСтрани: a = %3 ; b = %3 ; c = %3\r\n"
                               "Лице по Херон = %3 ; Лице ориентирано = %3\r\n")
                    .arg(k)
                    .arg(k + 1)
                    .arg(Blank);
    return text + QStringLiteral("\r\nЛице на многоъгълника = %1\r\n").arg(Blank);
}
