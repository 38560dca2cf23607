#pragma once

#include "platform/Validation.h"

#include <string>
#include <vector>

class CArchive;
class CFace;

// The openings of a face: other faces of the document (not owned) that let
// the sun through it, and how they reduce the area the face counts for.
class COuvertures {
public:
    enum EMode { SansChangement = 0, SoustraireOuvertures = 1, SoustraireValeur = 2 };

    // Accepted values.
    static constexpr CPlageEntier kPlageMode{SansChangement, SoustraireValeur}; // radio buttons
    static constexpr CPlage kPlageValeur{-100, 1000000};                        // m2
    static constexpr CPlage kPlageTransmittiviteForcee{0, 100};                 // %

    std::vector<CFace*> m_faces;
    int m_nMode = SoustraireOuvertures;
    double m_dValeur = 0.0;                 // m2, subtracted in mode 2
    double m_dTransmittiviteForcee = 100.0; // %, last value entered for forcing

    // The openings are stored as positions in `faces`, the document's list.
    void Ecrire(CArchive& ar, const std::vector<CFace*>& faces) const;
    // Reading needs the whole list; a position outside it refuses the file.
    void Lire(CArchive& ar, const std::vector<CFace*>& faces);

    double AireOuvertures() const;
    // Removes every occurrence of the face.
    void Retirer(const CFace* pFace);

    // Dialog "Face openings", opened on the selected face. Its list holds
    // every other face; see CVantrelDoc::FaceDeLEntree for the mapping.
    struct CTampon {
        std::vector<std::string> libelles;
        std::vector<bool> selection;
        int nMode;
        double dValeur;
        double dTransmittiviteForcee;
        bool bForcer; // the push button, released at every opening
    };
    enum EChamp { ChampValeur, ChampTransmittiviteForcee };

    CTampon Ouvrir() const;
    // On success stores the mode, the values and the chosen faces in list
    // order, and forces the chosen faces' transmittivity when asked.
    CResultatValidation Valider(const CTampon& tampon);
};

// Takes the selected face out of every face's openings (before it is deleted).
void RetirerOuvertureSelectionnee();
