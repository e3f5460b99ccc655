// The sheet every page of the program has: A4, 210 x 297 millimetres. Screen pages are as
// high as the sheet and as wide as the screen allows; printed and PDF pages are the sheet.
#pragma once

namespace vidalume {

struct FolhaA4 {
    static constexpr double kLargura = 210; // mm
    static constexpr double kAltura = 297;  // mm
};

} // namespace vidalume
