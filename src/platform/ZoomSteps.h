#pragma once

#include <QtGlobal>

// The zoom factors the reading keys step through, from 25 % to 500 %.
// direction: +1 the next larger step, -1 the next smaller, 0 back to 100 %.
qreal zoomStep(qreal current, int direction);
