#pragma once

class CFace;
class CVantrelDoc;

// Dialog "Face geometry": a read-only report on the selected face, its areas
// and the bearing and tilt of its study side, recomputed at every opening.
class CGeometrieFace {
public:
    explicit CGeometrieFace(CVantrelDoc& doc) : m_doc(doc) {}

    double m_dAire = 0.0;           // m2
    double m_dAireOuvertures = 0.0; // m2
    double m_dAireRetenue = 0.0;    // m2
    double m_dOrientation = 0.0;    // degrees from the north, toward the east
    double m_dInclinaison = 0.0;    // degrees: 0 vertical, 90 study side looking up

    // Opening, on the selected face; dDirectionNord is the site's direction
    // of north (degrees).
    void Ouvrir(double dDirectionNord);
    void Calculer(CFace& f, double dDirectionNord);

private:
    CVantrelDoc& m_doc;
};
