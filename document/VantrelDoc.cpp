#include "document/VantrelDoc.h"

#include "document/Archive.h"
#include "document/Fichier.h"
#include "geometry/FabriqueFace.h"

#include <algorithm>
#include <cstdio>
#include <utility>

CVantrelDoc* g_pDoc = nullptr;
int g_nFaces = 0;
int g_nFaceSelectionnee = 0;
int g_nFaceTestee = 0;

CVantrelDoc::CVantrelDoc(CInteraction& interaction) : m_interaction(interaction) {
    g_pDoc = this;
    g_nFaces = 0;
    g_nFaceSelectionnee = 0;
    g_nFaceTestee = 0;
    m_historique.Reinitialiser(Ecrire(), 0);
}

CVantrelDoc::~CVantrelDoc() {
    m_faces.clear();
    g_nFaces = 0;
    if (g_pDoc == this) {
        g_pDoc = nullptr;
    }
}

CFace* CVantrelDoc::Face(int n) const {
    if (g_nFaces < 1) {
        return nullptr;
    }
    const int i = n == -1 ? g_nFaceSelectionnee : n;
    if (i < 0 || i >= static_cast<int>(m_faces.size())) {
        return nullptr;
    }
    return m_faces[static_cast<std::size_t>(i)].get();
}

std::string CVantrelDoc::LibelleFace(int n) const {
    const CFace* pFace = Face(n);
    if (pFace == nullptr) {
        return "no face defined";
    }
    const int i = n == -1 ? g_nFaceSelectionnee : n;
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "(%d/%d) ", i + 1, g_nFaces);
    return tampon + pFace->m_proprietes.m_strNom;
}

int CVantrelDoc::Indice(const CFace* pFace) const {
    for (std::size_t i = 0; i < m_faces.size(); ++i) {
        if (m_faces[i].get() == pFace) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CVantrelDoc::FaceDeLEntree(int j) {
    return j < g_nFaceSelectionnee ? j : j + 1;
}

int CVantrelDoc::EntreeDeLaFace(int i) {
    return i < g_nFaceSelectionnee ? i : i - 1;
}

void CVantrelDoc::SynchroniserCompte() {
    g_nFaces = static_cast<int>(m_faces.size());
}

void CVantrelDoc::SupprimerContenu() {
    if (m_bPointsPrincipauxOuverts) {
        FermerPointsPrincipaux();
    }
    if (m_bTransformationsOuvertes) {
        FermerTransformations();
    }
    if (m_bPositionSoleilOuverte) {
        FermerPositionSoleil();
    }
    m_heuresSoleil.Effacer();
    // The faces actually held, whatever count a failed load may have read.
    m_faces.clear();
    g_nFaces = 0;
    g_nFaceSelectionnee = 0;
    m_parametresAffichage.m_pageGeneral.m_strTitre = "no title";
}

void CVantrelDoc::NouveauDocument() {
    SupprimerContenu();
    SetModifiedFlag(false);
    m_strChemin.clear();
    m_historique.Reinitialiser(Ecrire(), 0);
}

std::vector<std::uint8_t> CVantrelDoc::Ecrire() {
    std::vector<std::uint8_t> octets;
    CArchive ar = CArchive::Ecriture(octets);
    m_parametresAffichage.Serialize(ar);
    m_configurationGeographique.Serialize(ar);
    m_optionsCalcul.Serialize(ar);
    // The list itself, not the global count, so that the count and the
    // array always agree.
    const std::vector<CFace*> faces = Faces();
    ar.EcrireEntier(static_cast<std::int32_t>(faces.size()));
    if (!faces.empty()) {
        ar.EcrireCompte(static_cast<std::uint32_t>(faces.size()));
        for (CFace* f : faces) {
            ar.EcrireClasseObjet(f->NomClasse());
            f->Serialize(ar);
        }
    }
    // Openings come after the whole list: they are stored as positions in it.
    for (CFace* f : faces) {
        f->m_ouvertures.Ecrire(ar, faces);
    }
    return octets;
}

bool CVantrelDoc::Lire(std::span<const std::uint8_t> octets, std::string& strErreur) {
    SupprimerContenu();
    // Everything is read aside and taken only once the whole file is sound.
    CParametresAffichage parametres;
    CConfigurationGeographique site;
    COptionsCalcul options;
    std::vector<std::unique_ptr<CFace>> faces;
    try {
        CArchive ar = CArchive::Lecture(octets);
        parametres.Serialize(ar);
        site.Serialize(ar);
        options.Serialize(ar);
        const std::int32_t n = ar.LireEntier();
        if (n < 0) {
            ar.Echouer("Negative face count " + std::to_string(n), ar.Position() - 4);
        }
        if (n > 0) {
            const std::size_t nPosTableau = ar.Position();
            const std::uint32_t nTableau = ar.LireCompte();
            if (nTableau != static_cast<std::uint32_t>(n)) {
                ar.Echouer("The face count is " + std::to_string(n) +
                               " but the face array announces " + std::to_string(nTableau),
                           nPosTableau);
            }
            // Each face takes at least a tag, an empty name and 340 bytes,
            // and its openings record 24 bytes.
            ar.ExigerElements(static_cast<std::uint64_t>(n), 2 + 1 + 340 + 24);
            faces.reserve(static_cast<std::size_t>(n));
            for (std::int32_t i = 0; i < n; ++i) {
                std::unique_ptr<CFace> f = CreerFace(ar.LireClasseObjet(NomsClassesFaces()));
                // Refusals name the face as its label numbers it, "(2/3)".
                ar.FixerObjet("Face " + std::to_string(i + 1) + " of " + std::to_string(n));
                f->Serialize(ar);
                ar.FixerObjet({});
                faces.push_back(std::move(f));
            }
        }
        std::vector<CFace*> liste;
        for (const auto& f : faces) {
            liste.push_back(f.get());
        }
        for (std::size_t i = 0; i < liste.size(); ++i) {
            ar.FixerObjet("Face " + std::to_string(i + 1) + " of " + std::to_string(liste.size()));
            ar.NommerObjet(liste[i]->m_proprietes.m_strNom);
            liste[i]->m_ouvertures.Lire(ar, liste);
        }
        ar.FixerObjet({});
        if (ar.Restant() != 0) {
            ar.Echouer(std::to_string(ar.Restant()) +
                           (ar.Restant() == 1 ? " byte follows" : " bytes follow") +
                           " the end of the scene",
                       ar.Position());
        }
    } catch (const CErreurArchive& e) {
        strErreur = e.what();
        SupprimerContenu();
        return false;
    }
    m_parametresAffichage = parametres;
    m_configurationGeographique = site;
    m_optionsCalcul = options;
    m_faces = std::move(faces);
    SynchroniserCompte();
    g_nFaceSelectionnee = 0;
    return true;
}

bool CVantrelDoc::Charger(const std::string& chemin, std::string& strErreur) {
    // A file that cannot be read at all leaves the scene as it is.
    std::vector<std::uint8_t> octets;
    if (!LireFichier(chemin, octets, strErreur)) {
        return false;
    }
    std::string strRaison;
    if (!Lire(octets, strRaison)) {
        strErreur =
            "Cannot open \"" + chemin + "\": it is not a valid scene file. " + strRaison + ".";
        // The previous scene is gone: the document is a new one, so that
        // "&Save" cannot write the empty scene over the previous file.
        NouveauDocument();
        return false;
    }
    m_strChemin = chemin;
    SetModifiedFlag(false);
    // As the writer puts it: a file may hold a longer form of the same scene.
    m_historique.Reinitialiser(Ecrire(), g_nFaceSelectionnee);
    return true;
}

bool CVantrelDoc::Enregistrer(const std::string& chemin, std::string& strErreur) {
    return Enregistrer(chemin, strErreur, nullptr);
}

bool CVantrelDoc::Enregistrer(const std::string& chemin, std::string& strErreur,
                              const FonctionEcriture& ecrire) {
    const std::vector<std::uint8_t> octets = Ecrire();
    const bool bEcrit = ecrire ? EnregistrerFichier(chemin, octets, strErreur, ecrire)
                               : EnregistrerFichier(chemin, octets, strErreur);
    if (!bEcrit) {
        return false;
    }
    m_strChemin = chemin;
    SetModifiedFlag(false);
    m_historique.Memoriser(octets, g_nFaceSelectionnee, g_nFaceSelectionnee);
    m_historique.MarquerEnregistre();
    return true;
}

bool CVantrelDoc::MemoriserEtape(int nSelectionAvant) {
    return m_historique.Memoriser(Ecrire(), g_nFaceSelectionnee, nSelectionAvant);
}

bool CVantrelDoc::Annuler() {
    return Restaurer(true);
}

bool CVantrelDoc::Retablir() {
    return Restaurer(false);
}

bool CVantrelDoc::Restaurer(bool bAnnuler) {
    // The states are the writer's own bytes: the reader takes them back as
    // it takes a file, without touching the path.
    const std::vector<std::uint8_t>& depart = m_historique.Courant();
    const std::optional<int> nSelection =
        bAnnuler ? m_historique.Annuler() : m_historique.Retablir();
    if (!nSelection) {
        return false;
    }
    std::string strErreur;
    if (!Lire(m_historique.Courant(), strErreur)) {
        // Never written by this program; the scene must not be lost for it.
        bAnnuler ? m_historique.Retablir() : m_historique.Annuler();
        Lire(depart, strErreur);
        RedessinerVues();
        return false;
    }
    g_nFaceSelectionnee = std::clamp(*nSelection, 0, std::max(g_nFaces - 1, 0));
    SetModifiedFlag(!m_historique.EstEnregistre());
    RedessinerVues();
    return true;
}

void CVantrelDoc::TerminerDialogueModal(bool bOk) {
    if (bOk) {
        SetModifiedFlag();
    }
    RedessinerVues();
}

void CVantrelDoc::InsererFace(std::unique_ptr<CFace> pFace) {
    const int i = g_nFaces < 1 ? 0 : g_nFaceSelectionnee;
    m_faces.insert(m_faces.begin() + i, std::move(pFace));
    SynchroniserCompte();
}

void CVantrelDoc::AjouterFace(std::unique_ptr<CFace> pFace) {
    m_faces.push_back(std::move(pFace));
    SynchroniserCompte();
}

void CVantrelDoc::EchangerFaces(int k, int s) {
    std::swap(m_faces[static_cast<std::size_t>(k)], m_faces[static_cast<std::size_t>(s)]);
}

void CVantrelDoc::SupprimerFace() {
    const EReponse r =
        m_interaction.Message("Do you really want to remove this face ?   ", "Removal confirmation",
                              EIcone::Question, EBoutons::OuiNon);
    if (r == EReponse::Oui && Face(-1) != nullptr) {
        RetirerOuvertureSelectionnee();
        m_faces.erase(m_faces.begin() + g_nFaceSelectionnee);
        SynchroniserCompte();
        if (g_nFaceSelectionnee == g_nFaces) {
            g_nFaceSelectionnee = 0;
        }
        SetModifiedFlag();
    }
    RedessinerVues();
}

void CVantrelDoc::BasculerRecepteur() {
    CProprietes& p = Face(-1)->m_proprietes;
    p.m_bRecepteur = p.m_bRecepteur == 0 ? 1 : 0;
    SetModifiedFlag();
    RedessinerVues();
}

void CVantrelDoc::BasculerCoteInverse() {
    CProprietes& p = Face(-1)->m_proprietes;
    p.m_bCoteInverse = p.m_bCoteInverse == 0 ? 1 : 0;
    SetModifiedFlag();
    RedessinerVues();
}

void CVantrelDoc::CopierProprietesVers(const std::vector<CFace*>& cibles) {
    const CProprietes& source = Face(-1)->m_proprietes;
    for (CFace* pCible : cibles) {
        pCible->m_proprietes.CopierProprietes(source);
    }
    RedessinerVues();
}

CResultatValidation
CVantrelDoc::ValiderDetail(CProprietes& proprietes, bool bTransmittivite,
                           const CCorrelationPhysique::CTampon& tamponCorrelation,
                           CProprietes::CTampon& tamponProprietes) {
    CCorrelationPhysique& c = bTransmittivite ? proprietes.m_correlationTransmittivite
                                              : proprietes.m_correlationAbsorptivite;
    if (auto r = c.Valider(tamponCorrelation)) {
        return r;
    }
    SetModifiedFlag();
    proprietes.ActualiserActivation(tamponProprietes);
    return std::nullopt;
}

void CVantrelDoc::FermerPointsPrincipaux() {
    m_bPointsPrincipauxOuverts = false;
    if (CFace* pFace = Face(-1)) {
        pFace->m_pCopie.reset();
    }
    m_interaction.FermerFenetre(EFenetre::PointsPrincipaux);
    RedessinerVues();
}

void CVantrelDoc::FermerTransformations() {
    m_bTransformationsOuvertes = false;
    m_transformations.m_groupe.m_faces.clear();
    for (auto& pFace : m_faces) {
        pFace->m_pCopie.reset();
    }
    m_interaction.FermerFenetre(EFenetre::Transformations);
    RedessinerVues();
}

void CVantrelDoc::FermerPositionSoleil() {
    if (m_bEclairementOuvert) {
        FermerEclairement();
    }
    m_bPositionSoleilOuverte = false;
    m_positionSoleil.Fermer();
    m_interaction.FermerFenetre(EFenetre::PositionSoleil);
    RedessinerVues();
}

void CVantrelDoc::FermerEclairement() {
    m_bEclairementOuvert = false;
    DetruireMaillages();
    m_interaction.FermerFenetre(EFenetre::Eclairement);
    RedessinerVues();
}

std::vector<CFace*> CVantrelDoc::Faces() const {
    std::vector<CFace*> faces;
    faces.reserve(m_faces.size());
    for (const auto& f : m_faces) {
        faces.push_back(f.get());
    }
    return faces;
}

CSoleilCalcul CVantrelDoc::SoleilCalcul() const {
    CSoleilCalcul s;
    s.direction = m_positionSoleil.m_direction;
    s.dAltitude = m_positionSoleil.m_dAltitude;
    s.dLigneHorizon = m_configurationGeographique.m_dLigneHorizon;
    return s;
}

bool CVantrelDoc::GenererMaillages() {
    return m_generationMaillage.GenererMaillages(Faces(), m_optionsCalcul.m_nPoidsMax,
                                                 m_interaction);
}

void CVantrelDoc::DetruireMaillages() {
    ::DetruireMaillages(Faces());
}

void CVantrelDoc::CalculerEclairement() {
    m_eclairementRecepteurs.CalculerEclairement(Faces(), SoleilCalcul());
}

bool CVantrelDoc::BasculerEclairement() {
    if (m_bEclairementOuvert) {
        FermerEclairement();
        return false;
    }
    if (!GenererMaillages()) {
        return false;
    }
    m_bEclairementOuvert = true;
    m_eclairementRecepteurs.Ouvrir();
    RedessinerVues();
    return true;
}

void CVantrelDoc::ChoisirAutoCalcul(bool bAuto) {
    m_eclairementRecepteurs.m_bAutoCalcul = bAuto ? 1 : 0;
    CalculerEclairement();
    RedessinerVues();
}

void CVantrelDoc::ActualiserEclairement() {
    if (m_bEclairementOuvert && m_eclairementRecepteurs.m_bAutoCalcul) {
        CalculerEclairement();
    }
}

CTamponPositionSoleil CVantrelDoc::OuvrirPositionSoleil() {
    m_bPositionSoleilOuverte = true;
    m_heuresSoleil.Effacer(); // the lighting of one moment takes the view
    CTamponPositionSoleil t = m_positionSoleil.Ouvrir();
    ActualiserEclairement();
    RedessinerVues();
    return t;
}

CEtatCommandes CVantrelDoc::EtatCommandes(bool bBarreOutils, bool bBarreEtat) const {
    CEtatCommandes e;
    e.nFaces = g_nFaces;
    e.bPointsPrincipaux = m_bPointsPrincipauxOuverts;
    e.bTransformations = m_bTransformationsOuvertes;
    e.bPositionSoleil = m_bPositionSoleilOuverte;
    e.bEclairement = m_bEclairementOuvert;
    if (const CFace* pFace = Face(-1)) {
        e.bRecepteur = pFace->m_proprietes.m_bRecepteur != 0;
        e.bCoteInverse = pFace->m_proprietes.m_bCoteInverse != 0;
    }
    e.bCoordonnees = m_parametresAffichage.m_pageGeneral.m_bCoordonnees != 0;
    e.bCoteEtude = m_parametresAffichage.m_pageGeneral.m_bCoteEtude != 0;
    e.bAnnuler = m_historique.PeutAnnuler();
    e.bRetablir = m_historique.PeutRetablir();
    e.bBarreOutils = bBarreOutils;
    e.bBarreEtat = bBarreEtat;
    return e;
}
