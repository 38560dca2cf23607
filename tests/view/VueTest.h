#pragma once

#include "view/Camera.h"

// Seen from above: X right, Y up on the screen, Z toward the viewer.
inline void VueDeDessus() {
    g_axes[0].Fixe(64, 0, 0);
    g_axes[1].Fixe(0, 0, 64);
    g_axes[2].Fixe(0, -64, 0);
}
