#pragma once

#include <QPointF>

class QPainter;

// The maker's logo: the mark (a roof over a flame on an ember-coloured tile), the wordmark
// "brennhof" beside it and the product name under the wordmark.
namespace BrandMark {

inline constexpr qreal MARK_SIZE = 40;

// Paints the logo with the mark's top left corner at `origin`.
void paint(QPainter& painter, const QPointF& origin);

} // namespace BrandMark
