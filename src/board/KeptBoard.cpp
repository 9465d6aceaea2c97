// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeptBoard.h"

#include "VertexModel.h"

#include <QCryptographicHash>

#include <algorithm>
#include <charconv>

// A file of the program's kind, version 1:
//
//   Zarvelon recovery file 1
//   computed=contour             no, contour or in-order
//   picked=2                     -1 for none
//   mark.vertex-numbers=shown    the window's marks, any number of them
//   rows=5                       then that many lines "X<Tab>Y"
//   reported=4                   only while the report is out of date
//   check=<SHA-1 of every byte above, in hex>
namespace {

constexpr QByteArrayView Heading = "Zarvelon recovery file 1\n";
constexpr QByteArrayView CheckKey = "check=";
constexpr QByteArrayView MarkKey = "mark.";
constexpr QCryptographicHash::Algorithm CheckSum = QCryptographicHash::Sha1;

const std::pair<KeptBoard::Computed, QByteArrayView> ComputedNames[] = {
    {KeptBoard::Computed::No, "no"},
    {KeptBoard::Computed::ContourOrder, "contour"},
    {KeptBoard::Computed::InOrder, "in-order"},
};

void writeRows(QByteArray &bytes, QByteArrayView key, const std::vector<Point> &rows)
{
    bytes.append(key).append('=').append(QByteArray::number(qsizetype(rows.size()))).append('\n');
    for (Point p : rows)
        bytes.append(QByteArray::number(qint64(p.x))).append('\t').append(QByteArray::number(qint64(p.y))).append('\n');
}

// A whole number, and nothing else.
bool readNumber(QByteArrayView text, int &number)
{
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    return error == std::errc() && stop == end && !text.isEmpty();
}

// The file's lines after its heading, up to its check, one at a time.
class Lines
{
public:
    explicit Lines(QByteArrayView body) : m_rest(body) {}

    bool atEnd() const { return m_rest.isEmpty(); }
    QByteArrayView next()
    {
        const qsizetype end = m_rest.indexOf('\n');
        const QByteArrayView line = m_rest.first(end);
        m_rest = m_rest.sliced(end + 1);
        return line;
    }
    // `count` lines of rows, "X<Tab>Y" each.
    bool readRows(int count, std::vector<Point> &rows)
    {
        if (count < 0 || count > VertexModel::MaxVertices)
            return false;
        rows.reserve(size_t(count));
        for (int i = 0; i < count; ++i) {
            if (atEnd())
                return false;
            const QByteArrayView line = next();
            const qsizetype tab = line.indexOf('\t');
            int x = 0, y = 0;
            if (tab < 0 || !readNumber(line.first(tab), x) || !readNumber(line.sliced(tab + 1), y))
                return false;
            rows.push_back({double(x), double(y)});
        }
        return true;
    }

private:
    QByteArrayView m_rest;
};

bool readHeader(Lines &lines, KeptBoard &board)
{
    bool hasRows = false;
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            return false;
        const QByteArrayView key = line.first(equals), value = line.sliced(equals + 1);
        int number = 0;
        if (key.startsWith(MarkKey)) {
            board.marks[QString::fromUtf8(key.sliced(MarkKey.size()))] = QString::fromUtf8(value);
        } else if (key == "computed") {
            const auto named = std::find_if(std::begin(ComputedNames), std::end(ComputedNames),
                                            [&](const auto &name) { return name.second == value; });
            if (named == std::end(ComputedNames))
                return false;
            board.computed = named->first;
        } else if (key == "picked") {
            if (!readNumber(value, board.picked))
                return false;
        } else if (key == "rows") {
            if (hasRows || !readNumber(value, number) || !lines.readRows(number, board.rows))
                return false;
            hasRows = true;
        } else if (key == "reported") {
            if (board.reportOutOfDate || !readNumber(value, number) || !lines.readRows(number, board.reported))
                return false;
            board.reportOutOfDate = true;
        }
        // Any other key is a later program's, and passed over.
    }
    // A board the program could have kept: its rows, a picked one among
    // them, and a report of old rows only where there is a report.
    const int count = int(board.rows.size());
    return hasRows && board.picked >= -1 && board.picked < count
           && (!board.reportOutOfDate || board.computed != KeptBoard::Computed::No);
}

} // namespace

QByteArray keptBoardBytes(const KeptBoard &board)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(64 + 16 * (board.rows.size() + board.reported.size())));
    bytes += Heading;
    for (const auto &[computed, name] : ComputedNames)
        if (computed == board.computed)
            bytes.append("computed=").append(name).append('\n');
    bytes.append("picked=").append(QByteArray::number(board.picked)).append('\n');
    for (const auto &[key, value] : board.marks)
        bytes.append(MarkKey).append(key.toUtf8()).append('=').append(value.toUtf8()).append('\n');
    writeRows(bytes, "rows", board.rows);
    if (board.reportOutOfDate)
        writeRows(bytes, "reported", board.reported);
    const QByteArray check = QCryptographicHash::hash(bytes, CheckSum).toHex();
    bytes.append(CheckKey).append(check).append('\n');
    return bytes;
}

KeptBoardReading readKeptBoard(QByteArrayView bytes)
{
    if (bytes.size() > LargestKeptBoard)
        return {KeptBoardReading::TooLarge, {}};
    if (!bytes.startsWith(Heading))
        return {Heading.startsWith(bytes) ? KeptBoardReading::Truncated : KeptBoardReading::Foreign, {}};
    // The check is the last line, whole: a file cut anywhere lacks it.
    const qsizetype checkLine = bytes.chopped(1).lastIndexOf('\n') + 1;
    const QByteArrayView check = bytes.sliced(checkLine);
    const qsizetype hexDigits = 2 * QCryptographicHash::hashLength(CheckSum);
    if (!bytes.endsWith('\n') || !check.startsWith(CheckKey) || check.size() != CheckKey.size() + hexDigits + 1)
        return {KeptBoardReading::Truncated, {}};
    const QByteArrayView checked = bytes.first(checkLine);
    if (QCryptographicHash::hash(checked, CheckSum).toHex() != check.sliced(CheckKey.size()).chopped(1))
        return {KeptBoardReading::Corrupted, {}};
    KeptBoardReading reading;
    Lines lines(checked.sliced(Heading.size()));
    if (!readHeader(lines, reading.board))
        return {KeptBoardReading::Corrupted, {}};
    return reading;
}
