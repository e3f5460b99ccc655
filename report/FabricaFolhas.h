// Where a layout gets its sheets from: the next page picture of a report, the next printer
// page, a recording surface in a test.
#pragma once

#include "report/SuperficieDesenho.h"

namespace vidalume {

class FabricaFolhas {
public:
    virtual ~FabricaFolhas() = default;
    // The surface of the next sheet, blank and in millimetres; the first call gives the
    // first sheet. The sheet before it is finished: it is not drawn on any more.
    virtual SuperficieDesenho& ProximaFolha() = 0;
};

} // namespace vidalume
