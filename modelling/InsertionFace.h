#pragma once

#include "platform/Validation.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CFace;
class CVantrelDoc;

// Dialog "Face insertion": a new face of a chosen kind, with default points
// and properties and the given name, at the selected position.
class CInsertionFace {
public:
    static constexpr int kLongueurNom = 30;
    // The kind list, in the order shown (not sorted).
    static constexpr std::array<const char*, 4> kTypes = {"Acute sector", "Quadrilateral",
                                                          "Quarter ellipse", "Triangular"};

    explicit CInsertionFace(CVantrelDoc& doc) : m_doc(doc) {}

    int m_nType = 1; // index in kTypes
    std::string m_strNom = "no name";

    struct CTampon {
        std::vector<std::string> types;
        int nType;
        std::string strNom;
    };
    enum EChamp { ChampType, ChampNom };

    // Back to "Quadrilateral" and "no name" at every opening.
    CTampon Ouvrir();
    // "Insert": on success the new face is in the list at the selected
    // position and is the selected face; on a refusal nothing changes.
    CResultatValidation Inserer(const CTampon& tampon);

    // A default face of the kind of index nType (0 to 3).
    static std::unique_ptr<CFace> CreerFace(int nType);

private:
    CVantrelDoc& m_doc;
};
