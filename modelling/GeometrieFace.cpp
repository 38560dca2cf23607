#include "modelling/GeometrieFace.h"

#include "document/VantrelDoc.h"
#include "geometry/Arrondi.h"
#include "geometry/Face.h"

#include <cmath>

void CGeometrieFace::Ouvrir(double dDirectionNord) {
    if (CFace* pFace = m_doc.Face(-1)) {
        Calculer(*pFace, dDirectionNord);
    }
}

void CGeometrieFace::Calculer(CFace& f, double dDirectionNord) {
    const CVecteur& n = f.m_normale;
    const bool bInverse = f.m_proprietes.m_bCoteInverse != 0;

    m_dAire = Arrondi(f.Aire(), 4);
    m_dAireOuvertures = Arrondi(f.m_ouvertures.AireOuvertures(), 4);
    m_dAireRetenue = Arrondi(f.AireNette(), 4);

    const double nz = n.Scalaire(CVecteur(0, 0, 1));
    m_dInclinaison = Arrondi(std::asin(nz) * kRadVersDeg, 4);
    if (bInverse) {
        m_dInclinaison = -m_dInclinaison;
    }

    // A face whose rounded inclination is vertical has no bearing, whatever
    // tiny horizontal part its normal keeps.
    if (m_dInclinaison > -90 && m_dInclinaison < 90) {
        double a = std::atan2(n.m_x, n.m_y) * kRadVersDeg;
        if (a < 0) {
            a += 360;
        }
        a = a - dDirectionNord;
        if (a < 0) {
            a += 360;
        }
        if (bInverse) {
            a = a - 180;
            if (a < 0) {
                a += 360;
            }
        }
        m_dOrientation = Arrondi(a, 4);
    } else {
        m_dOrientation = 0;
    }
}
