#pragma once

#include "geometry/Face.h"
#include "platform/Validation.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CVantrelDoc;

// One polygon of a model made with another program, as its reader hands it
// over: the name of its node or mesh (UTF-8) and its points in order around
// the outline, in the model's own units and axes.
struct CPolygoneModele {
    std::string strNom;
    std::vector<CVecteur> points;
};

// What became of a model's polygons.
struct CBilanImport {
    int nQuadrilateres = 0;
    int nTriangles = 0;
    int nDegeneres = 0;   // polygons, or pieces of them, too thin to make a valid face
    int nHorsLimites = 0; // polygons with a coordinate beyond kCoordonneeMax once scaled
    int Faces() const { return nQuadrilateres + nTriangles; }
    int Ignores() const { return nDegeneres + nHorsLimites; }
};

// "Import a model...": the options dialog and the conversion of polygons to
// faces. Planar convex quadrilaterals stay quadrilaterals; every other
// polygon becomes triangles.
class CImportModele {
public:
    static constexpr int kLongueurNom = 30;
    static constexpr CPlage kPlageEchelle{0.0001, 10000}; // metres per model unit
    // A scene that grows past this many faces is refused: its file would
    // outgrow what the scene reader accepts (about 400 bytes a face).
    static constexpr int kFacesMax = 500000;

    double m_dEchelle = 1.0;
    bool m_bYHaut = false; // the model's Y axis points up; the scene's Z does

    struct CTampon {
        std::string strEchelle;
        bool bYHaut;
    };
    enum EChamp { ChampEchelle, ChampYHaut };

    // The options keep their last values between openings.
    CTampon Ouvrir() const;
    CResultatValidation Valider(const CTampon& tampon);

    // A model point in scene axes and metres: scaled, then turned a quarter
    // turn about X when the model is Y-up ((x, y, z) -> (x, -z, y)).
    CVecteur VersScene(const CVecteur& p) const;

    // The faces of the polygons, in order; `bilan` counts them and what was
    // skipped. Stops (nothing) as soon as more than nFacesMax faces come.
    std::optional<std::vector<std::unique_ptr<CFace>>>
    Convertir(const std::vector<CPolygoneModele>& polygones, CBilanImport& bilan,
              int nFacesMax = kFacesMax) const;

    // Appends the faces of the polygons to the document and selects the
    // first of them, as an insertion selects its face. Nothing changes when
    // the model yields no face or too many: strErreur then says why. The
    // caller marks the document modified and redraws.
    bool Importer(CVantrelDoc& doc, const std::vector<CPolygoneModele>& polygones,
                  CBilanImport& bilan, std::string& strErreur) const;

    // A face's name from a model's name: Windows-1252, at most 30
    // characters, "no name" when empty.
    static std::string NomFace(const std::string& strUtf8);
    // "12 faces imported (8 quadrilaterals, 4 triangles). 1 polygon skipped: ..."
    static std::string Message(const CBilanImport& bilan);
};
