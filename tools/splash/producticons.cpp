#include "producticons.h"

#include "splashstyle.h"

#include <QPainter>
#include <QPainterPath>

namespace ProductIcons {
namespace {

constexpr qreal GRID = 24;
constexpr qreal STROKE = 1.7;

// Fills with the ink colour without touching the pen.
void fillPath(QPainter& painter, const QPainterPath& path)
{
    painter.fillPath(path, painter.pen().color());
}

QPainterPath cloud(qreal x, qreal y)
{
    QPainterPath base;
    base.addRoundedRect(QRectF(x, y + 4, 15, 6), 3, 3);
    QPainterPath left;
    left.addEllipse(QPointF(x + 5, y + 4.5), 3.5, 3.5);
    QPainterPath right;
    right.addEllipse(QPointF(x + 9.5, y + 3.5), 4.5, 4.5);
    return base.united(left).united(right).simplified();
}

void windowActuator(QPainter& painter)
{
    painter.drawRect(QRectF(3.5, 7, 17, 14));
    painter.drawPolygon(QPolygonF{{6, 19}, {18, 19}, {16.5, 11.5}, {7.5, 11.5}});
    painter.drawLine(QPointF(12, 7), QPointF(12, 11.5));
    QPainterPath drive;
    drive.addRoundedRect(QRectF(7, 2.5, 10, 3.2), 1, 1);
    fillPath(painter, drive);
}

void ventilation(QPainter& painter)
{
    painter.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    QPainterPath blade(QPointF(0, 0));
    blade.cubicTo(-0.5, -3.5, 1.5, -6.8, 4.5, -6.5);
    blade.cubicTo(5.5, -4.2, 3.2, -1.2, 0, 0);
    for (int i = 0; i < 3; ++i) {
        painter.save();
        painter.translate(12, 12);
        painter.rotate(120 * i);
        fillPath(painter, blade);
        painter.restore();
    }
    QPainterPath hub;
    hub.addEllipse(QPointF(12, 12), 1.8, 1.8);
    fillPath(painter, hub);
}

void smokeControlUnit(QPainter& painter)
{
    painter.drawRoundedRect(QRectF(5, 3, 14, 18), 1.5, 1.5);
    painter.drawRect(QRectF(8, 6, 8, 3.5));
    for (int i = 0; i < 3; ++i) {
        QPainterPath led;
        led.addEllipse(QPointF(9 + 3 * i, 13), 1, 1);
        fillPath(painter, led);
    }
    painter.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
}

void heatExhaust(QPainter& painter)
{
    QPainterPath flame(QPointF(12, 9));
    flame.cubicTo(15.5, 12.5, 16.5, 15, 16, 17.5);
    flame.cubicTo(15.5, 20, 13.8, 21.5, 12, 21.5);
    flame.cubicTo(10.2, 21.5, 8.5, 20, 8, 17.5);
    flame.cubicTo(7.5, 15, 8.5, 12.5, 12, 9);
    painter.drawPath(flame);
    for (const qreal x : {4.0, 20.0}) {
        painter.drawLine(QPointF(x, 19), QPointF(x, 4));
        painter.drawPolyline(QPolygonF{{x - 2.5, 6.5}, {x, 4}, {x + 2.5, 6.5}});
    }
    painter.drawPolyline(QPolygonF{{9.5, 5}, {12, 2.5}, {14.5, 5}});
}

void weatherSensor(QPainter& painter)
{
    const QPainterPath front = cloud(7.5, 10);
    // The sun stays behind the cloud with a little air between them.
    QPainterPathStroker margin;
    margin.setWidth(4 * STROKE);
    QPainterPath behind;
    behind.addRect(QRectF(0, 0, GRID, GRID));
    painter.save();
    painter.setClipPath(behind.subtracted(margin.createStroke(front).united(front)));
    const QPointF sun(9, 9);
    painter.drawEllipse(sun, 3.5, 3.5);
    for (int i = 0; i < 8; ++i) {
        painter.save();
        painter.translate(sun);
        painter.rotate(45 * i);
        painter.drawLine(QPointF(0, -5.8), QPointF(0, -7.3));
        painter.restore();
    }
    painter.restore();
    painter.drawPath(front);
}

void knxInterface(QPainter& painter)
{
    painter.drawRoundedRect(QRectF(7, 2.5, 10, 7), 1.5, 1.5);
    painter.drawLine(QPointF(12, 9.5), QPointF(12, 14));
    painter.drawLine(QPointF(2.5, 14), QPointF(21.5, 14));
    for (const qreal x : {5.0, 12.0, 19.0}) {
        painter.drawLine(QPointF(x, 14), QPointF(x, 17.5));
        painter.drawRect(QRectF(x - 2.5, 17.5, 5, 4));
    }
}

void rainWindSensor(QPainter& painter)
{
    painter.drawPath(cloud(2.5, 1.5));
    for (const qreal x : {6.5, 10.5, 14.5})
        painter.drawLine(QPointF(x, 14.5), QPointF(x - 1.5, 18));
    painter.drawLine(QPointF(2.5, 21.5), QPointF(18.5, 21.5));
    painter.drawArc(QRectF(16.5, 17.5, 4, 4), 270 * 16, 180 * 16);
}

} // namespace

const QList<Family>& families()
{
    static const QList<Family> all{
        {QStringLiteral("Window actuators"), windowActuator},
        {QStringLiteral("Ventilation"), ventilation},
        {QStringLiteral("SHEV smoke control units"), smokeControlUnit},
        {QStringLiteral("Heat exhaust"), heatExhaust},
        {QStringLiteral("Weather sensors"), weatherSensor},
        {QStringLiteral("KNX interfaces"), knxInterface},
        {QStringLiteral("Rain and wind sensors"), rainWindSensor},
    };
    return all;
}

void paint(QPainter& painter, const Family& family, const QRectF& box)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / GRID, box.height() / GRID);
    painter.setPen(
        QPen(SplashStyle::ACCENT_LIGHT, STROKE, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    family.draw(painter);
    painter.restore();
}

} // namespace ProductIcons
