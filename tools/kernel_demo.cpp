// Prints what the geometry kernel computes for the default face of each kind.
#include "geometry/Arrondi.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "geometry/Face5.h"
#include "geometry/Face6.h"

#include <cstdio>
#include <memory>
#include <vector>

int main() {
    std::vector<std::unique_ptr<CFace>> faces;
    faces.push_back(std::make_unique<CFace3>());
    faces.push_back(std::make_unique<CFace4>());
    faces.push_back(std::make_unique<CFace5>());
    faces.push_back(std::make_unique<CFace6>());
    std::printf("Vantrel geometry kernel: the default face of each kind\n\n");
    std::printf("%-7s %-26s %-10s %-6s\n", "kind", "normal", "area (m2)", "valid");
    for (auto& f : faces) {
        const CVecteur n = f->m_normale;
        const bool valide = f->EstValide();
        std::printf("%-7s (%6.3f, %6.3f, %6.3f)    %-10.4f %-6s\n", f->NomClasse(), n.m_x, n.m_y,
                    n.m_z, Arrondi(f->Aire(), 4), valide ? "yes" : "no");
    }
    return 0;
}
