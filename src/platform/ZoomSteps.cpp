#include "platform/ZoomSteps.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr qreal steps[] = {0.25, 0.33, 0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0, 5.0};
constexpr qreal tolerance = 0.005;
} // namespace

qreal zoomStep(qreal current, int direction)
{
    if (direction > 0) {
        const auto next = std::find_if(std::begin(steps), std::end(steps),
                                       [&](qreal step) { return step > current + tolerance; });
        return next == std::end(steps) ? steps[std::size(steps) - 1] : *next;
    }
    if (direction < 0) {
        const auto next = std::find_if(std::rbegin(steps), std::rend(steps),
                                       [&](qreal step) { return step < current - tolerance; });
        return next == std::rend(steps) ? steps[0] : *next;
    }
    return 1.0;
}
