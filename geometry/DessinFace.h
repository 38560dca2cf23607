#pragma once

#include "platform/PointEcran.h"

// The edge rule of the face picking: a click P hits the edge from A to B when
// it lies over the segment and within 3 % of the segment's length from its
// line; an edge whose squared length is below 5 pixels is never hit.
bool AreteTouchee(CPointEcran p, CPointEcran a, CPointEcran b);
