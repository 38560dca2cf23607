#include "view/Ajustement.h"

#include "document/VantrelDoc.h"
#include "geometry/FaceCourbe.h"
#include "view/Camera.h"

#include <iterator>
#include <vector>

bool AjusterScene(CVantrelDoc& doc, const CRectangle& client) {
    std::vector<CVecteur> points;
    for (CFace* pFace : doc.Faces()) {
        points.insert(points.end(), pFace->m_points, pFace->m_points + pFace->m_nPoints);
        // A curved outline reaches beyond its main points.
        if (auto* pCourbe = dynamic_cast<CFaceCourbe*>(pFace)) {
            if (!pCourbe->m_bContourAJour) {
                pCourbe->CalculerArc();
            }
            points.insert(points.end(), std::begin(pCourbe->m_arc), std::end(pCourbe->m_arc));
        }
    }
    return AjusterVue(points, client);
}
