// Strengths and cover that the reinforced-concrete design reads.
#pragma once

namespace trabelux {

struct MaterialDiseno {
    double fc = 0;    // f'c, kg/cm2
    float fy = 0;     // kg/cm2
    float recub = 0;  // cm, face to bar centroid; also d' of the compression steel
};

}  // namespace trabelux
