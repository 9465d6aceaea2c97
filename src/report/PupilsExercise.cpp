// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PupilsExercise.h"

#include "ContourWarning.h"
#include "NumberWriter.h"
#include "TextWriter.h"

namespace {

const QString Blank = QStringLiteral("__________");
// The vertices' coordinates this many to a line, so that a sheet of ten
// vertices leaves room for its picture.
constexpr size_t VerticesALine = 5;

} // namespace

// A full board's exercise is some 160,000 lines: written in place, as the
// report is, not a string made for each of them.
QString pupilsExercise(const std::vector<Point> &vertices)
{
    TextWriter text(qsizetype(vertices.size()) * 170 + 1024);
    NumberWriter numbers(text);
    text.append(u"Разделете многоъгълника на триъгълници с общ връх 1. За всеки триъгълник намерете страните a, b и c "
                u"(a е срещу връх 1, b срещу втория връх, c срещу третия) с три десетични знака, лицето му S "
                u"по Херон и |D| — абсолютната стойност на ориентираното му лице D по координатите на върховете. "
                u"Накрая намерете лицето на многоъгълника.\r\n");
    // What the teacher's sheet says of the sum, the pupil's sheet says too.
    text.append(contourWarning(vertices));
    text.append(u"\r\nКоординати на върховете (X; Y):\r\n");
    // A vertex and its coordinates are never parted at the end of a row.
    for (size_t i = 0; i < vertices.size(); ++i) {
        numbers.writeWhole(qint64(i) + 1);
        text.append(u":\u00A0(");
        numbers.writeStandard(vertices[i].x);
        text.append(u";\u00A0");
        numbers.writeStandard(vertices[i].y);
        text.append(i + 1 == vertices.size() || (i + 1) % VerticesALine == 0 ? u")\r\n" : u")   ");
    }
    const QString blanks =
        QStringLiteral(". Страни: a = %1 ; b = %1 ; c = %1\r\nЛице по Херон S = %1 ; |D| = %1\r\n").arg(Blank);
    for (size_t k = 2; k < vertices.size(); ++k) {
        text.append(u"\r\nВърхове: 1 ");
        numbers.writeWhole(qint64(k));
        text.append(u" ");
        numbers.writeWhole(qint64(k) + 1);
        text.append(blanks);
    }
    text.append(u"\r\nЛице на многоъгълника = ");
    text.append(Blank);
    text.append(u"\r\n");
    return text.take();
}
