#pragma once

#include "document/Commandes.h"
#include "document/Proprietes.h"
#include "geometry/Face.h"
#include "platform/Interaction.h"
#include "view/ParametresAffichage.h"

#include <memory>
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

    std::vector<std::unique_ptr<CFace>> m_faces; // list order is drawing and file order
    CParametresAffichage m_parametresAffichage;
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
    void SetModifiedFlag(bool bModifie = true) { m_bModifie = bModifie; }
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

    // State read by the command table's rules.
    CEtatCommandes EtatCommandes(bool bBarreOutils = true, bool bBarreEtat = true) const;

private:
    void SynchroniserCompte();

    CInteraction& m_interaction;
    bool m_bModifie = false;
};

extern CVantrelDoc* g_pDoc;
extern int g_nFaces;            // always the size of the face list
extern int g_nFaceSelectionnee; // in 0 .. g_nFaces - 1 whenever there is a face
extern int g_nFaceTestee;       // rotating cursor of the click selection
