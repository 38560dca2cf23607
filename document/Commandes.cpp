#include "document/Commandes.h"

#include <array>

#define VANTREL_ADRESSE_AUTEUR "author@vantrel.example"

const char* const kTexteRepos =
    "Use the mouse for orientating, moving, enlarging or reducing the drawing";
const char* const kIndicateurMajuscules = "MAJ";
const char* const kIndicateurNumerique = "NUM";
const char* const kIndicateurDefilement = "DEF";
const char* const kAdresseAuteur = VANTREL_ADRESSE_AUTEUR;
const char* const kAdresseSite = "https://vantrel.example/index.html";

namespace {

using E = CEtatCommandes;

bool Toujours(const E&) {
    return true;
}
bool SansSoleil(const E& e) {
    return !e.bPositionSoleil;
}
bool Selection(const E& e) {
    return e.nFaces >= 1 && !e.bPointsPrincipaux && !e.bTransformations;
}
// Nothing may change the face list under an open modeless dialog.
bool Insertion(const E& e) {
    return !e.bPointsPrincipaux && !e.bTransformations && !e.bEclairement;
}
bool Suppression(const E& e) {
    return e.nFaces >= 1 && Insertion(e);
}
bool Inversion(const E& e) {
    return e.nFaces >= 2 && Insertion(e);
}
bool FaceHorsEclairement(const E& e) {
    return e.nFaces >= 1 && !e.bEclairement;
}
bool DeuxFacesHorsEclairement(const E& e) {
    return e.nFaces >= 2 && !e.bEclairement;
}
bool PointsPrincipaux(const E& e) {
    return e.nFaces >= 1 && !e.bTransformations && !e.bEclairement;
}
bool Transformations(const E& e) {
    return e.nFaces >= 1 && !e.bPointsPrincipaux && !e.bEclairement;
}
bool Eclairement(const E& e) {
    return e.nFaces >= 1 && e.bPositionSoleil && !e.bPointsPrincipaux && !e.bTransformations;
}
bool Bilan(const E& e) {
    return e.nFaces >= 1 && !e.bPositionSoleil && !e.bPointsPrincipaux && !e.bTransformations;
}
bool AuMoinsUneFace(const E& e) {
    return e.nFaces >= 1;
}
// A step back replaces the whole document: no window may hold a part of it.
bool SansFenetre(const E& e) {
    return !e.bPointsPrincipaux && !e.bTransformations && !e.bPositionSoleil && !e.bEclairement;
}
bool Annuler(const E& e) {
    return e.bAnnuler && SansFenetre(e);
}
bool Retablir(const E& e) {
    return e.bRetablir && SansFenetre(e);
}

bool CocheBarreOutils(const E& e) {
    return e.bBarreOutils;
}
bool CocheBarreEtat(const E& e) {
    return e.bBarreEtat;
}
bool CocheCoordonnees(const E& e) {
    return e.bCoordonnees;
}
bool CocheCoteEtude(const E& e) {
    return e.bCoteEtude;
}
bool CocheRecepteur(const E& e) {
    return e.nFaces >= 1 && e.bRecepteur;
}
bool CocheCoteInverse(const E& e) {
    return e.nFaces >= 1 && e.bCoteInverse;
}
bool CochePoints(const E& e) {
    return e.bPointsPrincipaux;
}
bool CocheTransformations(const E& e) {
    return e.bTransformations;
}
bool CocheSoleil(const E& e) {
    return e.bPositionSoleil;
}
bool CocheEclairement(const E& e) {
    return e.bEclairement;
}

constexpr std::array kCommandes = {
    CCommande{ID_NOUVEAU, "&New\tCtrl+N", "Create a new document", "New", 'N', Toujours, nullptr},
    CCommande{ID_OUVRIR, "&Open...\tCtrl+O", "Open an existing document", "Open", 'O', Toujours,
              nullptr},
    CCommande{ID_ENREGISTRER, "&Save\tCtrl+S", "Save the document", "Save", 'S', Toujours, nullptr},
    CCommande{ID_ENREGISTRER_SOUS, "Save &As...", "Save the document with a new name", "Save as", 0,
              Toujours, nullptr},
    CCommande{ID_QUITTER, "&Exit", "Quit the application", "Exit", 0, Toujours, nullptr},
    CCommande{ID_BARRE_OUTILS, "Tool bar", "Show or hide the tool bar", "Tool bar", 0, Toujours,
              CocheBarreOutils},
    CCommande{ID_BARRE_ETAT, "Status bar", "Show or hide the status bar", "Status bar", 0, Toujours,
              CocheBarreEtat},
    CCommande{ID_ORIENTATION_STANDARD, "Standard orientation\tCtrl + M",
              "Restore the view of the drawing according the standard orientation",
              "Standard orientation", 'M', Toujours, nullptr},
    CCommande{ID_COORDONNEES, "Points coordinates\tCtrl + D",
              "Show or hide the coordinates of the main points of the selected face",
              "Points coordinates", 'D', Toujours, CocheCoordonnees},
    CCommande{ID_COTE_ETUDE, "Study side\tCtrl + U",
              "Show or hide the side of study of the selected face", "Study side", 'U', Toujours,
              CocheCoteEtude},
    CCommande{ID_PARAMETRES_AFFICHAGE, "View parameters...\tCtrl + A", "Change the view parameters",
              "View parameters", 'A', Toujours, nullptr},
    CCommande{ID_CONFIGURATION_GEOGRAPHIQUE, "Geographical configuration...\tCtrl + G",
              "Change the geographical parameters", "Geographical parameters", 'G', SansSoleil,
              nullptr},
    CCommande{ID_SELECTIONNER_FACE, "Select a face...\tCtrl + Y",
              "Select a face in a list name (different from the mouse method)", "Select a face",
              'Y', Selection, nullptr},
    CCommande{ID_INSERER_FACE, "Insert a face...\tCtrl + I", "Insert a face with a specified type",
              "Insert a face", 'I', Insertion, nullptr},
    CCommande{ID_SUPPRIMER_FACE, "Remove the face\tCtrl + X", "Remove the selected face",
              "Remove the face", 'X', Suppression, nullptr},
    CCommande{ID_INSERER_PRISME, "Insert a prism...", "Insert a prism gathering several faces",
              "Insert a prism", 0, Insertion, nullptr},
    CCommande{ID_INSERER_PARALLELEPIPEDE, "Insert a parallelepiped...",
              "Insert a right parallelepiped gathering several faces", "Insert a parallelepiped", 0,
              Insertion, nullptr},
    CCommande{ID_INVERSER_FACE, "Invert the face...", "Invert the selected face with an other face",
              "Invert the face", 0, Inversion, nullptr},
    CCommande{ID_RECEPTEUR, "Face declared as a receiver\tCtrl + R",
              "Qualify or disqualify the selected face as a receiver",
              "Face declared as a receiver", 'R', FaceHorsEclairement, CocheRecepteur},
    CCommande{ID_COTE_INVERSE, "Study side reversed\tCtrl + W",
              "Reverse the side of study of the selected face", "Study side reversed", 'W',
              FaceHorsEclairement, CocheCoteInverse},
    CCommande{ID_PROPRIETES, "Face properties...\tCtrl + P",
              "Change the properties of the selected face", "Face properties", 'P',
              FaceHorsEclairement, nullptr},
    CCommande{ID_COPIER_PROPRIETES, "Copy the face properties...\tCtrl + C",
              "Copy the properties of the selected face to other faces", "Copy the properties face",
              'C', DeuxFacesHorsEclairement, nullptr},
    CCommande{ID_OUVERTURES, "Face openings...\tCtrl + V",
              "Change the openings of the selected face", "Face openings", 'V',
              DeuxFacesHorsEclairement, nullptr},
    CCommande{ID_POINTS_PRINCIPAUX, "Face main points...\tCtrl + F",
              "Change the main points of the selected face", "Face main points", 'F',
              PointsPrincipaux, CochePoints},
    CCommande{ID_TRANSFORMATIONS, "Geometrical transformations...\tCtrl + T",
              "Allow geometrical transformations of one or several faces",
              "Geometrical transformations", 'T', Transformations, CocheTransformations},
    CCommande{ID_POSITION_SOLEIL, "Sun position...\tCtrl + L",
              "Compute the sun position for a specified time (necessary stage before the lighting "
              "computation)",
              "Sun position", 'L', Toujours, CocheSoleil},
    CCommande{ID_ECLAIREMENT, "Receivers lighting...\tCtrl + E",
              "Compute the lighting of the receivers", "Receivers lighting", 'E', Eclairement,
              CocheEclairement},
    CCommande{ID_BILAN_JOURNALIER, "Day report...\tCtrl + J",
              "Establish a day report for the lighting", "Day report", 'J', Bilan, nullptr},
    CCommande{ID_GEOMETRIE_FACE, "Face geometry...",
              "Compute geometrical informations on the selected face", "Face geometry", 0,
              AuMoinsUneFace, nullptr},
    CCommande{ID_CALCULS_PRATIQUES, "Practical calculations...",
              "Compute trigonometric solutions for practical problems", "Practical calculations", 0,
              Toujours, nullptr},
    CCommande{ID_INFORMATIONS_SOLAIRES, "Solar information...",
              "Compute solar information for a specified day", "Solar informations", 0, SansSoleil,
              nullptr},
    CCommande{ID_PROBLEME_INVERSE, "Reversed problem...",
              "Solve the reversed problem concerning the sun position", "Reversed problem", 0,
              SansSoleil, nullptr},
    CCommande{ID_OPTIONS_CALCUL, "Computation options...", "Change the computation options",
              "Computation options", 0, SansSoleil, nullptr},
    CCommande{ID_IMPORTER_MODELE, "&Import a model...",
              "Import the faces of a model made with another program", "Import a model", 0,
              Insertion, nullptr},
    CCommande{ID_EXPORTER_VUE, "Save the view as a picture...",
              "Save the drawing of the view as a PNG picture, at the window's size or another",
              "Save the view as a picture", 0, Toujours, nullptr},
    CCommande{ID_ANNULER, "Undo\tCtrl+Z", "Undo the last change of the document", "Undo", 'Z',
              Annuler, nullptr},
    CCommande{ID_RETABLIR, "Redo\tCtrl+Shift+Z", "Redo the last change undone", "Redo", 0, Retablir,
              nullptr},
    CCommande{ID_AJUSTER_SCENE, "Fit the scene\tF",
              "Centre and scale the drawing so that every face is in the window", "Fit the scene",
              0, AuMoinsUneFace, nullptr},
    CCommande{ID_HEURES_SOLEIL, "Sun hours...",
              "Compute the hours of direct sun at every node of the receivers", "Sun hours", 0,
              Bilan, nullptr},
    CCommande{ID_AIDE, "Help...\tCtrl + H", "Open the help", "Help", 'H', Toujours, nullptr},
    CCommande{ID_SITE, "Connect to the site...", "Connect to the site of Vantrel",
              "Connect to the site", 0, Toujours, nullptr},
    CCommande{ID_CONTACT, "Contact the author...",
              "Prepare an e-mail intended to the author : " VANTREL_ADRESSE_AUTEUR,
              "Contact the author", 0, Toujours, nullptr},
    CCommande{ID_A_PROPOS, "About Vantrel...\tCtrl + K",
              "Display general informations about the software", "About Vantrel", 'K', Toujours,
              nullptr},
};

using M = CEntreeMenu;
constexpr M Cmd(int nId) {
    return M{M::Commande, nId, nullptr};
}
constexpr M kSep{M::Separateur, 0, nullptr};
constexpr M Sous(const char* szTitre) {
    return M{M::SousMenu, 0, szTitre};
}
constexpr M kFinSous{M::FinSousMenu, 0, nullptr};

constexpr std::array kMenuFichier = {
    Cmd(ID_NOUVEAU),          Cmd(ID_OUVRIR), Cmd(ID_ENREGISTRER),
    Cmd(ID_ENREGISTRER_SOUS), kSep,           Cmd(ID_IMPORTER_MODELE),
    Cmd(ID_EXPORTER_VUE),     kSep,           Cmd(ID_QUITTER)};
constexpr std::array kMenuAffichage = {Cmd(ID_BARRE_OUTILS),
                                       Cmd(ID_BARRE_ETAT),
                                       kSep,
                                       Cmd(ID_ORIENTATION_STANDARD),
                                       Cmd(ID_AJUSTER_SCENE),
                                       Sous("Face description"),
                                       Cmd(ID_COORDONNEES),
                                       Cmd(ID_COTE_ETUDE),
                                       kFinSous,
                                       kSep,
                                       Cmd(ID_PARAMETRES_AFFICHAGE)};
constexpr std::array kMenuModelisation = {Cmd(ID_ANNULER),
                                          Cmd(ID_RETABLIR),
                                          kSep,
                                          Cmd(ID_CONFIGURATION_GEOGRAPHIQUE),
                                          kSep,
                                          Cmd(ID_SELECTIONNER_FACE),
                                          Cmd(ID_INSERER_FACE),
                                          Cmd(ID_SUPPRIMER_FACE),
                                          Sous("Special processes"),
                                          Cmd(ID_INSERER_PRISME),
                                          Cmd(ID_INSERER_PARALLELEPIPEDE),
                                          kSep,
                                          Cmd(ID_INVERSER_FACE),
                                          kFinSous,
                                          kSep,
                                          Cmd(ID_RECEPTEUR),
                                          Cmd(ID_COTE_INVERSE),
                                          kSep,
                                          Cmd(ID_PROPRIETES),
                                          Cmd(ID_COPIER_PROPRIETES),
                                          Cmd(ID_OUVERTURES),
                                          Cmd(ID_POINTS_PRINCIPAUX),
                                          Cmd(ID_TRANSFORMATIONS)};
constexpr std::array kMenuCalcul = {Cmd(ID_POSITION_SOLEIL),
                                    Cmd(ID_ECLAIREMENT),
                                    Cmd(ID_BILAN_JOURNALIER),
                                    Cmd(ID_HEURES_SOLEIL),
                                    kSep,
                                    Cmd(ID_GEOMETRIE_FACE),
                                    Cmd(ID_CALCULS_PRATIQUES),
                                    kSep,
                                    Cmd(ID_INFORMATIONS_SOLAIRES),
                                    Cmd(ID_PROBLEME_INVERSE),
                                    kSep,
                                    Cmd(ID_OPTIONS_CALCUL)};
constexpr std::array kMenuAide = {Cmd(ID_AIDE),    kSep, Cmd(ID_SITE),
                                  Cmd(ID_CONTACT), kSep, Cmd(ID_A_PROPOS)};

const std::array kMenus = {
    CMenu{"&File", kMenuFichier},
    CMenu{"&View", kMenuAffichage},
    CMenu{"&Modelling", kMenuModelisation},
    CMenu{"&Run", kMenuCalcul},
    CMenu{"&?", kMenuAide},
};

constexpr std::array<int, 29> kBarreOutils = {
    ID_NOUVEAU,
    ID_OUVRIR,
    ID_ENREGISTRER,
    0,
    ID_ORIENTATION_STANDARD,
    ID_COORDONNEES,
    ID_COTE_ETUDE,
    ID_PARAMETRES_AFFICHAGE,
    0,
    ID_CONFIGURATION_GEOGRAPHIQUE,
    0,
    ID_SELECTIONNER_FACE,
    ID_INSERER_FACE,
    ID_SUPPRIMER_FACE,
    0,
    ID_RECEPTEUR,
    ID_COTE_INVERSE,
    0,
    ID_PROPRIETES,
    ID_OUVERTURES,
    ID_POINTS_PRINCIPAUX,
    ID_TRANSFORMATIONS,
    0,
    ID_POSITION_SOLEIL,
    ID_ECLAIREMENT,
    ID_BILAN_JOURNALIER,
    0,
    ID_AIDE,
    ID_A_PROPOS,
};

} // namespace

std::span<const CCommande> Commandes() {
    return kCommandes;
}

const char* RaccourciParticulier(int nId) {
    switch (nId) {
    case ID_RETABLIR:
        return "Ctrl+Shift+Z";
    case ID_AJUSTER_SCENE:
        return "F";
    default:
        return nullptr;
    }
}

const CCommande* Commande(int nId) {
    for (const CCommande& c : kCommandes) {
        if (c.nId == nId) {
            return &c;
        }
    }
    return nullptr;
}

bool EstActive(int nId, const CEtatCommandes& etat) {
    const CCommande* c = Commande(nId);
    return c != nullptr && c->pActive(etat);
}

std::optional<bool> EstCochee(int nId, const CEtatCommandes& etat) {
    const CCommande* c = Commande(nId);
    if (c == nullptr || c->pCochee == nullptr) {
        return std::nullopt;
    }
    return c->pCochee(etat);
}

std::span<const CMenu> Menus() {
    return kMenus;
}

std::span<const int> BarreOutils() {
    return kBarreOutils;
}
