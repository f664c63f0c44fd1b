#pragma once

// The window is designed in Windows font families; where one is missing, these
// stand in for it, ending in a CJK family so that Chinese text always has glyphs.
void installFontSubstitutes();
