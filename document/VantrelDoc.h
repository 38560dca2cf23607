#pragma once

#include "document/Commandes.h"
#include "document/Fichier.h"
#include "document/Historique.h"
#include "document/OptionsCalcul.h"
#include "document/Proprietes.h"
#include "geometry/Face.h"
#include "lighting/BilanJournalier.h"
#include "lighting/EclairementRecepteurs.h"
#include "lighting/GenerationMaillage.h"
#include "lighting/HeuresSoleil.h"
#include "modelling/GeometrieFace.h"
#include "modelling/InsertionFace.h"
#include "modelling/InsertionParallelepipede.h"
#include "modelling/InsertionPrisme.h"
#include "modelling/InversionFace.h"
#include "modelling/SelectionFace.h"
#include "modelling/SelectionMultiple.h"
#include "modelling/Transformations.h"
#include "platform/Interaction.h"
#include "solar/CalculsPratiques.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/InformationsSolaires.h"
#include "solar/PositionSoleil.h"
#include "solar/ProblemeInverse.h"
#include "view/ParametresAffichage.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The one document: the faces and everything stored with them, the tool
// objects that keep their entries for the whole run, and the commands that
// act on the scene. One instance per process, reached through g_pDoc.
class CVantrelDoc {
public:
    explicit CVantrelDoc(CInteraction& interaction);
    ~CVantrelDoc();
    CVantrelDoc(const CVantrelDoc&) = delete;
    CVantrelDoc& operator=(const CVantrelDoc&) = delete;

    // The stored settings come first: the tool objects keep references to them.
    COptionsCalcul m_optionsCalcul;
    CConfigurationGeographique m_configurationGeographique;
    CParametresAffichage m_parametresAffichage;

    // The tools keep their entries for the whole run.
    CPositionSoleil m_positionSoleil{m_configurationGeographique, m_optionsCalcul};
    CEclairementRecepteurs m_eclairementRecepteurs;
    CCalculsPratiques m_calculsPratiques{m_configurationGeographique};
    CInformationsSolaires m_informationsSolaires{m_positionSoleil};
    CProblemeInverse m_problemeInverse{m_positionSoleil};
    CBilanJournalier m_bilanJournalier{m_positionSoleil, m_eclairementRecepteurs};
    CGenerationMaillage m_generationMaillage;
    // Shown in the view until the scene changes or the sun window opens.
    CHeuresSoleil m_heuresSoleil{m_positionSoleil, m_eclairementRecepteurs};
    CGeometrieFace m_geometrieFace{*this};
    CInversionFace m_inversionFace{*this};
    CInsertionParallelepipede m_insertionParallelepipede{*this};
    CInsertionPrisme m_insertionPrisme{*this};
    CInsertionFace m_insertionFace{*this};
    CSelectionFace m_selectionFace{*this};
    CSelectionMultiple m_selectionMultiple{*this};
    CTransformations m_transformations{*this};

    std::vector<std::unique_ptr<CFace>> m_faces; // list order is drawing and file order
    bool m_bPointsPrincipauxOuverts = false;
    bool m_bTransformationsOuvertes = false;
    bool m_bPositionSoleilOuverte = false;
    bool m_bEclairementOuvert = false;

    CInteraction& Interaction() const { return m_interaction; }

    // Face n, or the selected face for n = -1; null when there is no face
    // (or n is out of the list).
    CFace* Face(int n) const;
    // "(%d/%d) %s" with the position + 1, the count and the name, or
    // "no face defined".
    std::string LibelleFace(int n) const;
    // Position of a face in the list, or -1.
    int Indice(const CFace* pFace) const;
    // Lists of "every face but the selected one": entry j stands for face j
    // before the selected position and face j + 1 from it on.
    static int FaceDeLEntree(int j);
    static int EntreeDeLaFace(int i);

    const std::string& Titre() const { return m_parametresAffichage.m_pageGeneral.m_strTitre; }

    // Empties the scene: closes the modeless windows, deletes every face
    // actually held, resets the count, the selection and the title. The site,
    // the options and the other view parameters stay.
    void SupprimerContenu();
    // "&New": empties the scene and clears the modified flag.
    void NouveauDocument();

    bool IsModified() const { return m_bModifie; }
    // A change of the scene also ends the display of the sun hours, which
    // no longer match it.
    void SetModifiedFlag(bool bModifie = true) {
        m_bModifie = bModifie;
        if (bModifie) {
            m_heuresSoleil.Effacer();
        }
    }
    void RedessinerVues() { m_interaction.RedessinerVues(); }
    // The common end of the modal edit commands.
    void TerminerDialogueModal(bool bOk);

    // List changes; each keeps g_nFaces equal to the list size.
    void InsererFace(std::unique_ptr<CFace> pFace); // at the selected position, which it takes
    void AjouterFace(std::unique_ptr<CFace> pFace); // at the end
    void EchangerFaces(int k, int s);

    // "Remove the face", after the user's confirmation.
    void SupprimerFace();
    // "Face declared as a receiver" and "Study side reversed".
    void BasculerRecepteur();
    void BasculerCoteInverse();
    // End of "Copy the face properties...": each chosen face takes the
    // selected face's properties; the modified flag is left alone.
    void CopierProprietesVers(const std::vector<CFace*>& cibles);
    // "Detail..." of the properties dialog confirmed: the correlation takes
    // the dialog's values, the document is modified at once, and the rate
    // edit follows the new mode.
    CResultatValidation ValiderDetail(CProprietes& proprietes, bool bTransmittivite,
                                      const CCorrelationPhysique::CTampon& tamponCorrelation,
                                      CProprietes::CTampon& tamponProprietes);

    // Closing the modeless windows, whoever asks: the state they hold is
    // released and the window layer is told.
    void FermerPointsPrincipaux();
    void FermerTransformations();
    void FermerPositionSoleil();
    void FermerEclairement();

    // ----- Lighting
    // The faces in list order, as the computations take them.
    std::vector<CFace*> Faces() const;
    // The current sun and horizon line, as the lighting reads them.
    CSoleilCalcul SoleilCalcul() const;
    // Every receiver's mesh under the options' budget; false after a message.
    bool GenererMaillages();
    void DetruireMaillages();
    // The scene lighting for the current sun.
    void CalculerEclairement();
    // "Receivers lighting...": closes the window when it is open; otherwise
    // builds the meshes and, when that succeeded, opens it (true).
    bool BasculerEclairement();
    // "Auto Compute" clicked: computes once and redraws.
    void ChoisirAutoCalcul(bool bAuto);
    // After every move of the sun in its window.
    void ActualiserEclairement();
    // "Sun position...": opening (the window's controls), and closing.
    CTamponPositionSoleil OuvrirPositionSoleil();

    // ----- Files
    // The whole scene as stored in a .vtl file.
    std::vector<std::uint8_t> Ecrire();
    // Replaces the scene with a stored one. A malformed file is refused as
    // a whole: the document is then empty (no face, title "no title"), the
    // site, options and view parameters are those from before, and
    // strErreur says what is wrong.
    bool Lire(std::span<const std::uint8_t> octets, std::string& strErreur);
    // "&Open...": reads the file; on success it becomes the document's file
    // and the document is unmodified. A file that cannot be read leaves the
    // document as it was; a malformed one leaves a new document (empty,
    // unmodified, no file). strErreur names the file and says what is wrong.
    bool Charger(const std::string& chemin, std::string& strErreur);
    // "&Save" / "Save &As...": a failure leaves any existing file intact and
    // the document modified. `ecrire` replaces the system's write (tests
    // simulate a full disk with it).
    bool Enregistrer(const std::string& chemin, std::string& strErreur);
    bool Enregistrer(const std::string& chemin, std::string& strErreur,
                     const FonctionEcriture& ecrire);
    // The file of the document; empty until it is saved or opened.
    const std::string& Chemin() const { return m_strChemin; }

    // ----- Undo
    // After a command, whatever closed it: a document changed since the
    // current step becomes the next one. nSelectionAvant: the selected face
    // before the command. False when nothing changed.
    bool MemoriserEtape(int nSelectionAvant);
    // "Undo" and "Redo": the document takes the state of the step before or
    // after, the file and the camera staying; unmodified exactly when that is
    // the state last saved. False when there is no such step.
    bool Annuler();
    bool Retablir();

    // State read by the command table's rules.
    CEtatCommandes EtatCommandes(bool bBarreOutils = true, bool bBarreEtat = true) const;

private:
    void SynchroniserCompte();
    bool Restaurer(bool bAnnuler);

    CInteraction& m_interaction;
    bool m_bModifie = false;
    std::string m_strChemin;
    CHistorique m_historique;
};

extern CVantrelDoc* g_pDoc;
extern int g_nFaces;            // always the size of the face list
extern int g_nFaceSelectionnee; // in 0 .. g_nFaces - 1 whenever there is a face
extern int g_nFaceTestee;       // rotating cursor of the click selection
