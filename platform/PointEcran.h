#pragma once

// A position on the drawing surface, in client pixels, y downwards.
struct CPointEcran {
    int x = 0;
    int y = 0;

    friend bool operator==(const CPointEcran&, const CPointEcran&) = default;
};

// The client area of a drawing surface; right and bottom lie just outside it.
struct CRectangle {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const CRectangle&, const CRectangle&) = default;
};
