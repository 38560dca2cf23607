#pragma once

#include <optional>
#include <span>
#include <string>

// Identifiers of the program's commands (stable: menus, toolbar, accelerators
// and the status prompts all refer to them).
enum ECommande : int {
    ID_NOUVEAU = 57600,
    ID_OUVRIR = 57601,
    ID_ENREGISTRER = 57603,
    ID_ENREGISTRER_SOUS = 57604,
    ID_QUITTER = 57665,
    ID_BARRE_OUTILS = 59392,
    ID_BARRE_ETAT = 59393,
    ID_ORIENTATION_STANDARD = 32771,
    ID_PARAMETRES_AFFICHAGE = 32772,
    ID_COORDONNEES = 32773,
    ID_COTE_ETUDE = 32774,
    ID_CONFIGURATION_GEOGRAPHIQUE = 32775,
    ID_INSERER_FACE = 32776,
    ID_SELECTIONNER_FACE = 32777,
    ID_SUPPRIMER_FACE = 32778,
    ID_INSERER_PRISME = 32779,
    ID_INSERER_PARALLELEPIPEDE = 32780,
    ID_INVERSER_FACE = 32781,
    ID_RECEPTEUR = 32782,
    ID_COTE_INVERSE = 32783,
    ID_PROPRIETES = 32784,
    ID_COPIER_PROPRIETES = 32785,
    ID_OUVERTURES = 32786,
    ID_TRANSFORMATIONS = 32787,
    ID_POINTS_PRINCIPAUX = 32788,
    ID_POSITION_SOLEIL = 32789,
    ID_ECLAIREMENT = 32790,
    ID_BILAN_JOURNALIER = 32791,
    ID_GEOMETRIE_FACE = 32792,
    ID_CALCULS_PRATIQUES = 32793,
    ID_INFORMATIONS_SOLAIRES = 32794,
    ID_PROBLEME_INVERSE = 32795,
    ID_OPTIONS_CALCUL = 32796,
    ID_AIDE = 32797,
    ID_SITE = 32798,
    ID_CONTACT = 32799,
    ID_A_PROPOS = 57664,
    // Additions beyond the original command set.
    ID_IMPORTER_MODELE = 32800,
    ID_ANNULER = 32801,
    ID_RETABLIR = 32802,
    ID_HEURES_SOLEIL = 32803,
    ID_AJUSTER_SCENE = 32804,
    ID_EXPORTER_VUE = 32805,
};

// What the enabling and check rules read.
struct CEtatCommandes {
    int nFaces = 0;
    bool bPointsPrincipaux = false; // P: "Face main points" open
    bool bTransformations = false;  // T: "Geometrical transformations" open
    bool bPositionSoleil = false;   // S: "Sun position" open
    bool bEclairement = false;      // L: "Receivers lighting" open
    bool bRecepteur = false;        // the selected face's flags
    bool bCoteInverse = false;
    bool bCoordonnees = false; // view parameters shown by the menu toggles
    bool bCoteEtude = false;
    bool bBarreOutils = true; // window state of the frame
    bool bBarreEtat = true;
    bool bAnnuler = false;  // the document has a step to undo
    bool bRetablir = false; // and one to redo
};

struct CCommande {
    int nId;
    const char* szMenu;   // menu text, accelerator after the tab
    const char* szInvite; // status-bar prompt
    const char* szBulle;  // tooltip
    char cTouche;         // Ctrl + this letter, or 0
    bool (*pActive)(const CEtatCommandes&);
    // Null when the item never carries a check mark.
    bool (*pCochee)(const CEtatCommandes&);
};

std::span<const CCommande> Commandes();
// The key of a command that is not Ctrl + a letter ("Ctrl+Shift+Z", "F"), in
// the portable text of key sequences; null for the others.
const char* RaccourciParticulier(int nId);
const CCommande* Commande(int nId); // null for an unknown identifier

bool EstActive(int nId, const CEtatCommandes& etat);
// Nothing when the command has no check mark.
std::optional<bool> EstCochee(int nId, const CEtatCommandes& etat);

// Menus: an entry is a command, a separator or a submenu.
struct CEntreeMenu {
    enum EType { Commande, Separateur, SousMenu, FinSousMenu } type;
    int nId;             // for Commande
    const char* szTitre; // for SousMenu
};
struct CMenu {
    const char* szTitre;
    std::span<const CEntreeMenu> entrees;
};
std::span<const CMenu> Menus();

// Toolbar buttons left to right; 0 marks a separator.
std::span<const int> BarreOutils();

extern const char* const kTexteRepos; // status text when no item is highlighted
extern const char* const kIndicateurMajuscules;
extern const char* const kIndicateurNumerique;
extern const char* const kIndicateurDefilement;
extern const char* const kAdresseAuteur;
extern const char* const kAdresseSite;
