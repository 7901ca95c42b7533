#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

// The seven product families shown on the splash card, each with a small line icon.
namespace ProductIcons {

struct Family
{
    QString label;
    // Paints the icon on a 24 x 24 unit grid; pen and scale are set by paint().
    void (*draw)(QPainter& painter);
};

// In the order in which the card reveals them.
const QList<Family>& families();

// Paints the icon of `family` scaled into `box`.
void paint(QPainter& painter, const Family& family, const QRectF& box);

} // namespace ProductIcons
