#pragma once

#include "tests/platform/ImpressionEcran.h"
#include "view/Camera.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

// Seen from above: X right, Y up on the screen, Z toward the viewer.
inline void VueDeDessus() {
    g_axes[0].Fixe(64, 0, 0);
    g_axes[1].Fixe(0, 0, 64);
    g_axes[2].Fixe(0, -64, 0);
}

// Runs each drawing on a fresh 800 x 600 front view and compares the whole
// record with a golden file.
inline void
ExpectDessins(const char* szFichier,
              std::initializer_list<std::pair<const char*, std::function<void(CDC*)>>> l) {
    std::string texte;
    for (const auto& [nom, dessiner] : l) {
        InitialiserVue(CRectangle{0, 0, 800, 600});
        CDCEnregistreur dc{CRectangle{0, 0, 800, 600}};
        dessiner(&dc);
        texte += std::string("# ") + nom + "\n" + Decrire(dc);
    }
    ExpectGolden(szFichier, texte);
}
