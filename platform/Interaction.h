#pragma once

#include <optional>
#include <string>

// The seam through which the logic asks the user something or tells the
// window system to repaint. The window layer implements it with message
// boxes and file dialogs; tests use CInteractionScriptee.

enum class EIcone { Aucune, Question, Stop, Information, Avertissement };
enum class EBoutons { Ok, OuiNon, OkAnnuler };
enum class EReponse { Ok, Annuler, Oui, Non };

// The modeless windows whose open state the document keeps.
enum class EFenetre { PointsPrincipaux, Transformations, PositionSoleil, Eclairement };

struct CChoixFichier {
    std::string strTitre;      // dialog title, e.g. "Export data to"
    std::string strNomInitial; // initial file name, e.g. "results"
    std::string strExtension;  // default extension without the dot, e.g. "txt"
    std::string strFiltre;     // e.g. "Fichiers Vantrel (*.vtl)"; empty: no filter
    bool bConfirmerEcrasement = true;
};

class CInteraction {
public:
    virtual ~CInteraction() = default;

    virtual EReponse Message(const std::string& strTexte, const std::string& strTitre, EIcone icone,
                             EBoutons boutons) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChoisirFichierEnregistrement(const CChoixFichier& choix) = 0;
    virtual std::optional<std::string> ChoisirFichierOuverture(const CChoixFichier& choix) = 0;
    // Every view repaints the whole scene.
    virtual void RedessinerVues() = 0;
    // The logic has closed this modeless window (its state is already
    // released); the window layer destroys the window if it shows one.
    virtual void FermerFenetre(EFenetre) {}
};
