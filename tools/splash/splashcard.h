#pragma once

#include <QImage>

// The splash card in its steps: step 1 is the logo strip, every further step adds one product
// family, and the last step is the full card.
namespace SplashCard {

inline constexpr int STEP_COUNT = 8;
inline constexpr int WIDTH = 501;

// Height of `step` (1 to STEP_COUNT) in pixels.
int height(int step);

// The image of `step`: a rounded card on a transparent background, so that the window mask
// cuts the corners away.
QImage render(int step);

} // namespace SplashCard
