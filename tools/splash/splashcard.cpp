#include "splashcard.h"

#include "brandmark.h"
#include "producticons.h"
#include "splashstyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace SplashCard {
namespace {

constexpr int FIRST_HEIGHT = 82;
constexpr int LAST_GROWING_HEIGHT = 285;
constexpr int FULL_HEIGHT = 305;

constexpr qreal RADIUS = 18;
constexpr qreal MARGIN = 24;
constexpr qreal ACCENT_HEIGHT = 4;
constexpr qreal LOGO_TOP = 20;
constexpr qreal STRIP_HEIGHT = 74;
constexpr qreal ROW_HEIGHT = 30;
constexpr qreal ICON_SIZE = 22;
constexpr qreal LABEL_GAP = 16;

void paintCard(QPainter& painter, const QPainterPath& card)
{
    QLinearGradient shade(0, 0, 0, FULL_HEIGHT);
    shade.setColorAt(0, SplashStyle::CARD_TOP);
    shade.setColorAt(1, SplashStyle::CARD_BOTTOM);
    painter.fillPath(card, shade);

    painter.save();
    painter.setClipPath(card);
    painter.fillRect(QRectF(0, 0, WIDTH, ACCENT_HEIGHT), SplashStyle::ACCENT);
    painter.restore();
}

void paintRow(QPainter& painter, const ProductIcons::Family& family, const QRectF& row)
{
    const QRectF icon(MARGIN, row.center().y() - ICON_SIZE / 2, ICON_SIZE, ICON_SIZE);
    ProductIcons::paint(painter, family, icon);

    const qreal labelLeft = icon.right() + LABEL_GAP;
    painter.setFont(SplashStyle::font(14));
    painter.setPen(SplashStyle::TEXT_MUTED);
    painter.drawText(QRectF(labelLeft, row.top(), row.right() - labelLeft, row.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, family.label);
}

void paintSeparator(QPainter& painter, qreal y)
{
    painter.setPen(QPen(SplashStyle::SEPARATOR, 1));
    painter.drawLine(QPointF(MARGIN + ICON_SIZE + LABEL_GAP, y + 0.5),
                     QPointF(WIDTH - MARGIN, y + 0.5));
}

// The rows sit centred in the space under the logo strip.
void paintRows(QPainter& painter, int rowCount, int cardHeight)
{
    if (rowCount == 0)
        return;
    painter.setPen(QPen(SplashStyle::DIVIDER, 1));
    painter.drawLine(QPointF(MARGIN, STRIP_HEIGHT + 0.5),
                     QPointF(WIDTH - MARGIN, STRIP_HEIGHT + 0.5));

    const qreal top = STRIP_HEIGHT + (cardHeight - STRIP_HEIGHT - rowCount * ROW_HEIGHT) / 2;
    const QList<ProductIcons::Family>& families = ProductIcons::families();
    for (int i = 0; i < rowCount; ++i) {
        const QRectF row(0, top + i * ROW_HEIGHT, WIDTH - MARGIN, ROW_HEIGHT);
        if (i > 0)
            paintSeparator(painter, row.top());
        paintRow(painter, families.at(i), row);
    }
}

} // namespace

int height(int step)
{
    if (step >= STEP_COUNT)
        return FULL_HEIGHT;
    const qreal growth = qreal(LAST_GROWING_HEIGHT - FIRST_HEIGHT) / (STEP_COUNT - 2);
    return FIRST_HEIGHT + qRound((step - 1) * growth);
}

QImage render(int step)
{
    const int cardHeight = height(step);
    QImage image(WIDTH, cardHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, WIDTH, cardHeight), RADIUS, RADIUS);
    paintCard(painter, card);
    BrandMark::paint(painter, QPointF(MARGIN, LOGO_TOP));
    paintRows(painter, step - 1, cardHeight);
    return image;
}

} // namespace SplashCard
