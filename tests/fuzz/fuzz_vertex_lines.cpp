// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The file and line readers on any bytes: either refused with a verdict (not
// text, or the first line that is not a vertex, a line of the text) or read
// into vertices, in the order of their lines, whose lines written back read
// the same.

#include "TextBytes.h"
#include "VertexLines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Whether the view is a line of the text: inside it, between line ends.
bool isLineOf(QStringView line, const QString &text)
{
    const qsizetype start = line.data() - text.constData();
    const auto isEnd = [&](qsizetype at) { return text[at] == u'\n' || text[at] == u'\r'; };
    if (start < 0 || start + line.size() > text.size() || (start > 0 && !isEnd(start - 1)))
        return false;
    return (start + line.size() == text.size() || isEnd(start + line.size())) && !line.contains(u'\n')
           && !line.contains(u'\r');
}

// A whole number written in full, as a vertex line holds it.
QString whole(double value)
{
    return QString::number(value, 'f', 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const std::optional<QString> text = textOfBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!text)
        return 0;
    const VertexLinesReading reading = readVertexLines(*text);
    const auto blank = [](QStringView line) { return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' ' || c == u'\t'; }); };
    if (reading.notAVertex && (!isLineOf(reading.notAVertex->text, *text) || blank(reading.notAVertex->text)))
        std::abort();
    QString lines;
    int lastLine = 0;
    for (const LineVertex &vertex : reading.vertices) {
        if (vertex.line.number <= lastLine || !isLineOf(vertex.line.text, *text))
            std::abort();
        lastLine = vertex.line.number;
        // Up to 2^53 every whole number is a double of its own.
        const Point p = vertex.position;
        if (std::fabs(p.x) <= 0x1p53 && std::fabs(p.y) <= 0x1p53)
            appendVertexLine(lines, whole(p.x), whole(p.y), u"\r\n");
    }
    if (reading.notAVertex && lastLine >= reading.notAVertex->number)
        std::abort(); // vertices only before the line that is none
    if (reading.notAVertex)
        return 0;
    const VertexLinesReading again = readVertexLines(lines);
    size_t i = 0;
    for (const LineVertex &vertex : reading.vertices) {
        const Point p = vertex.position;
        if (std::fabs(p.x) <= 0x1p53 && std::fabs(p.y) <= 0x1p53 && !(again.vertices.at(i++).position == p))
            std::abort();
    }
    if (again.notAVertex || i != again.vertices.size())
        std::abort();
    return 0;
}
