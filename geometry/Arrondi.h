#pragma once

// Decimal rounding of every displayed result: x times 10, n + 1 times; ceiling;
// times 0.1; floor; then times 0.1, n times. A half is rounded down
// (12.345 gives 12.34 with n = 2), which users' stored results rely on.
double Arrondi(double x, int n);
