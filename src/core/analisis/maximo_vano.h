// The largest sagging moment of a span found exactly, not at the stations: where the
// shear changes sign between loads, or at a load, or at an end.
#pragma once

namespace trabelux {

struct MaximoVano {
    double momento = 0;  // t-m, sagging positive (may be negative when the span only hogs)
    double x = 0;        // m from the left end
};

// The largest moment of a span of length L under end forces vI, mI (upwards and
// counterclockwise positive at the left end), a uniform load w and the concentrated
// loads P[k] at a[k] (downwards positive). M(x) = -mI + x vI - w x^2 / 2 - sum P (x - a)+.
// Candidates: both ends, every load position, and in each stretch between loads the zero
// of V(x) = vI - w x - sum P (a < x) when it falls inside.
MaximoVano MaximoExactoVano(double vI, double mI, double w, int numCargas, const float* a,
                            const float* P, double L);

}  // namespace trabelux
