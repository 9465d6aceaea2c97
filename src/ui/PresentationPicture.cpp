// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PresentationPicture.h"

#include "Board.h"
#include "FanCover.h"
#include "FigureLines.h"
#include "FigurePainter.h"
#include "LessonMarks.h"
#include "PresentationLayout.h"
#include "VertexLabels.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

const QColor Paper = Qt::white;
const QColor Frame(160, 160, 160);
const QColor Diagonal(30, 110, 220);
const QColor NumberInk(0, 70, 200);

constexpr size_t MostSmoothLines = 4096; // more vertices are drawn without smoothing or dashes, to stay fast
constexpr qreal NumberType = 0.8;        // of the text's size
constexpr qreal NumberRoom = 2;          // round a number's glyphs, each side
constexpr qreal Reach = 4;               // numbers' heights from its dot, the farthest a named number stands

} // namespace

PresentationPicture::PresentationPicture() = default;
PresentationPicture::~PresentationPicture() = default;

QPointF PresentationPicture::onScreen(QPointF pixel) const
{
    return m_pictureArea.topLeft() + pixel * m_scale;
}

void PresentationPicture::draw(const Board &board, const PresentationLayout &layout, QSize size, qreal ratio,
                               const QFont &font)
{
    m_pictureArea = layout.pictureArea();
    m_labelArea = layout.labelArea();
    m_scale = layout.scale();
    m_totalShading = {};
    m_image = QImage(size * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Paper);
    QPainter painter(&m_image);
    const std::vector<Point> &vertices = board.points();
    painter.setRenderHint(QPainter::Antialiasing, vertices.size() <= MostSmoothLines);
    const QRectF frame = m_pictureArea.adjusted(-1, -1, 0, 0);
    painter.setPen(QPen(Frame, 1));
    painter.drawRect(frame);
    painter.setClipRect(m_pictureArea);

    FigureLines lines;
    lines.toPage = QTransform(m_scale, 0, 0, m_scale, m_pictureArea.left(), m_pictureArea.top());
    lines.sideWidth = std::max(3.0, m_scale);
    lines.diagonalWidth = std::max(3.0, 0.6 * m_scale);
    lines.diagonalColour = Diagonal;
    lines.dashedDiagonals = vertices.size() <= MostSmoothLines;
    lines.alternatingDashes = false;
    lines.dotWidth = std::max(12.0, FigurePainter::DotWidth * m_scale);
    lines.draw(painter, board.figure(), vertices);

    // Digits are of one width: a number's size is known by its length.
    m_numberFont = font;
    m_numberFont.setPixelSize(std::max(1, int(layout.textFont().pixelSize() * NumberType)));
    QFont bold = m_numberFont;
    bold.setBold(true);
    const QFontMetricsF metrics(bold);
    const qreal height = metrics.tightBoundingRect(QStringLiteral("0123456789")).height() + 2 * NumberRoom;
    m_numberSizes.clear();
    for (int digits = 0; digits <= 5; ++digits)
        m_numberSizes.emplace_back(metrics.horizontalAdvance(QString(digits, u'0')) + 2 * NumberRoom, height);

    std::vector<QPointF> dots;
    dots.reserve(vertices.size());
    for (const Point &vertex : vertices)
        dots.push_back(lines.dotCentre(vertex));
    // No number crosses a line, the picture's frame among them.
    std::vector<QLineF> drawn = lines.linesOf(board.figure(), vertices);
    const QPointF corners[] = {frame.topLeft(), frame.topRight(), frame.bottomRight(), frame.bottomLeft()};
    for (int i = 0; i < 4; ++i)
        drawn.emplace_back(corners[i], corners[(i + 1) % 4]);
    m_room = std::make_unique<LabelRoom>(m_labelArea, dots, lines.dotWidth / 2, m_numberSizes.back(), drawn,
                                         std::max(lines.sideWidth, lines.diagonalWidth));
    m_numberPlaces.assign(vertices.size(), QRectF());
    painter.setFont(m_numberFont);
    painter.setPen(NumberInk);
    for (size_t i = 0; i < vertices.size(); ++i) {
        m_numberPlaces[i] = m_room->placeBeside(i, numberSize(int(i + 1)), m_pictureArea);
        if (!m_numberPlaces[i].isNull())
            paintNumber(painter, m_numberPlaces[i], int(i + 1));
    }
}

QSizeF PresentationPicture::numberSize(int number) const
{
    return m_numberSizes[std::min(m_numberSizes.size() - 1, size_t(QString::number(number).size()))];
}

// Its glyphs in the middle of the box, in the painter's font.
void PresentationPicture::paintNumber(QPainter &painter, const QRectF &box, int number) const
{
    const QString text = QString::number(number);
    const QRectF glyphs = QFontMetricsF(painter.font()).tightBoundingRect(text);
    painter.drawText(box.center() - glyphs.center(), text);
}

std::vector<PresentationPicture::NamedNumber> PresentationPicture::placesOf(const std::vector<int> &named) const
{
    std::vector<NamedNumber> places;
    std::vector<QRectF> taken;
    for (int number : named) {
        const size_t vertex = size_t(number - 1);
        if (!m_room || vertex >= m_numberPlaces.size())
            continue;
        const QSizeF size = numberSize(number);
        NamedNumber place{number, m_numberPlaces[vertex], NamedNumber::OnPicture};
        if (place.box.isNull())
            place = {number, m_room->placeNear(vertex, size, m_labelArea, taken, Reach * size.height()), NamedNumber::Clear};
        if (place.box.isNull())
            place = {number, m_room->placeAnyway(vertex, size, m_labelArea, taken), NamedNumber::OverLines};
        taken.push_back(place.box);
        places.push_back(place);
    }
    return places;
}

void PresentationPicture::paintNumbers(QPainter &painter, const std::vector<int> &named, bool bold) const
{
    painter.save();
    QFont font = m_numberFont;
    font.setBold(bold);
    painter.setFont(font);
    for (const NamedNumber &place : placesOf(named)) {
        if (place.where == NamedNumber::OnPicture && !bold)
            continue;
        painter.fillRect(place.box, Paper);
        if (place.where == NamedNumber::OverLines) {
            painter.setPen(QPen(NumberInk, 1));
            painter.drawRect(place.box.adjusted(0.5, 0.5, -0.5, -0.5));
        }
        painter.setPen(NumberInk);
        paintNumber(painter, place.box, place.number);
    }
    painter.restore();
}

void PresentationPicture::paintTriangle(QPainter &painter, const FanTriangle &t) const
{
    painter.save();
    painter.setClipRect(m_pictureArea);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF corners[] = {onScreen(QPointF(t.A.x + 0.5, t.A.y + 0.5)), onScreen(QPointF(t.B.x + 0.5, t.B.y + 0.5)),
                               onScreen(QPointF(t.C.x + 0.5, t.C.y + 0.5))};
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.setPen(Qt::NoPen);
    painter.setBrush(LessonMarks::fillColour());
    painter.drawPolygon(corners, 3);
    painter.restore();
}

void PresentationPicture::paintTotal(QPainter &painter, const Board &board)
{
    const std::shared_ptr<const Fan> &fan = board.figure().fan;
    if (!fan)
        return;
    if (m_totalShading.isNull())
        m_totalShading = LessonMarks::shadingOf(FanCover(*fan, board.area().width(), board.area().height()));
    painter.save();
    painter.setClipRect(m_pictureArea);
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.drawImage(QRectF(onScreen(QPointF(0, 0)), onScreen(QPointF(m_totalShading.width(), m_totalShading.height()))),
                      m_totalShading);
    painter.restore();
}
