#include "brandmark.h"

#include "splashstyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace BrandMark {
namespace {

constexpr qreal TEXT_GAP = 14;

QPainterPath flame(const QPointF& centre, qreal height)
{
    const qreal h = height;
    const qreal x = centre.x();
    const qreal y = centre.y();
    QPainterPath path(QPointF(x, y - 0.5 * h));
    path.cubicTo(x + 0.30 * h, y - 0.18 * h, x + 0.38 * h, y + 0.06 * h, x + 0.31 * h,
                 y + 0.24 * h);
    path.cubicTo(x + 0.25 * h, y + 0.42 * h, x + 0.12 * h, y + 0.5 * h, x, y + 0.5 * h);
    path.cubicTo(x - 0.12 * h, y + 0.5 * h, x - 0.25 * h, y + 0.42 * h, x - 0.31 * h, y + 0.24 * h);
    path.cubicTo(x - 0.38 * h, y + 0.06 * h, x - 0.30 * h, y - 0.18 * h, x, y - 0.5 * h);
    return path;
}

void paintMark(QPainter& painter, const QPointF& origin)
{
    const QRectF tile(origin, QSizeF(MARK_SIZE, MARK_SIZE));
    QLinearGradient ember(tile.topLeft(), tile.bottomLeft());
    ember.setColorAt(0, SplashStyle::ACCENT_LIGHT);
    ember.setColorAt(1, SplashStyle::ACCENT);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ember);
    painter.drawRoundedRect(tile, 9, 9);

    const qreal x = origin.x();
    const qreal y = origin.y();
    painter.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{{x + 9, y + 20}, {x + 20, y + 10.5}, {x + 31, y + 20}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(flame(QPointF(x + 20, y + 25.5), 13));
}

void paintWords(QPainter& painter, const QPointF& origin)
{
    const qreal x = origin.x() + MARK_SIZE + TEXT_GAP;
    QFont wordmark = SplashStyle::font(27, QFont::Bold);
    wordmark.setLetterSpacing(QFont::AbsoluteSpacing, -0.4);
    painter.setFont(wordmark);
    painter.setPen(SplashStyle::TEXT);
    painter.drawText(QPointF(x, origin.y() + 19), QStringLiteral("brennhof"));

    QFont product = SplashStyle::font(15);
    product.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    painter.setFont(product);
    painter.setPen(SplashStyle::ACCENT_LIGHT);
    painter.drawText(QPointF(x + 1, origin.y() + 38), QStringLiteral("Quillmark"));
}

} // namespace

void paint(QPainter& painter, const QPointF& origin)
{
    painter.save();
    paintMark(painter, origin);
    paintWords(painter, origin);
    painter.restore();
}

} // namespace BrandMark
