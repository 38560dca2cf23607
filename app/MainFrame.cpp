#include "app/MainFrame.h"

#include "app/APropos.h"
#include "app/Aide.h"
#include "app/CommandesEtude.h"
#include "app/CommandesImages.h"
#include "app/CommandesModelisation.h"
#include "app/Icones.h"
#include "app/MenuInvites.h"
#include "document/Commandes.h"
#include "document/VantrelDoc.h"
#include "ui/InteractionQt.h"
#include "ui/Texte.h"
#include "ui/VantrelView.h"
#include "view/Vue.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include <vector>

namespace {

// The framework's names and texts around the document.
const char* const kTitreProgramme = "Vantrel";
const char* const kSansTitre = "Untitled";
const char* const kFiltre = "Fichiers Vantrel (*.vtl)";
const char* const kExtension = "vtl";

QString Texte(const char* sz) {
    return DepuisCp1252(sz);
}

// A dropped file that can be opened: the first local one.
QString FichierDepose(const QMimeData* pDonnees) {
    if (pDonnees == nullptr || !pDonnees->hasUrls()) {
        return {};
    }
    for (const QUrl& url : pDonnees->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

CMainFrame::CMainFrame(CVantrelDoc& doc, CInteractionQt& interaction, QWidget* pParent)
    : QMainWindow(pParent), m_doc(doc), m_interaction(interaction) {
    setWindowIcon(IconeProgramme());
    // The size to come back to from maximised, and the size where no window
    // manager maximises.
    if (const QScreen* pEcran = QGuiApplication::primaryScreen()) {
        const QRect zone = pEcran->availableGeometry();
        resize(zone.width() * 3 / 4, zone.height() * 3 / 4);
    }
    m_pVue = new CVantrelView(doc, this);
    setCentralWidget(m_pVue);
    // The view's own keys work as soon as the window is active.
    m_pVue->setFocus();
    m_pEtude = new CCommandesEtude(*this, doc, interaction);
    m_pModelisation = new CCommandesModelisation(*this, doc, interaction);
    CreerActions();
    CreerMenus();
    CreerBarreOutils();
    CreerBarreEtat();
    setAcceptDrops(true);

    m_interaction.FixerFenetre(this);
    m_interaction.FixerRedessin([this] {
        m_pVue->update();
        MettreAJourCommandes();
    });
    m_interaction.FixerFermeture([this](EFenetre fenetre) {
        switch (fenetre) {
        case EFenetre::PositionSoleil:
        case EFenetre::Eclairement:
            m_pEtude->FermerFenetre(fenetre);
            break;
        case EFenetre::PointsPrincipaux:
        case EFenetre::Transformations:
            m_pModelisation->FermerFenetre(fenetre);
            break;
        }
    });
    MettreAJourTitre();
    MettreAJourCommandes();
}

CMainFrame::~CMainFrame() {
    // The bars and menus outlive this part of the window while Qt deletes
    // them: none of their signals may reach it then.
    disconnect(m_pBarreOutils, nullptr, this, nullptr);
    for (const QMenu* pMenu : findChildren<QMenu*>()) {
        disconnect(pMenu, nullptr, this, nullptr);
    }
    m_interaction.FixerRedessin({});
    m_interaction.FixerFermeture({});
    m_interaction.FixerFenetre(nullptr);
}

QAction* CMainFrame::Action(int nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::CreerActions() {
    m_gestionnaires = {
        {ID_NOUVEAU, [this] { NouveauDocument(); }},
        {ID_OUVRIR, [this] { OuvrirDocument(); }},
        {ID_ENREGISTRER, [this] { Enregistrer(); }},
        {ID_ENREGISTRER_SOUS, [this] { EnregistrerSous(); }},
        {ID_QUITTER, [this] { close(); }},
        {ID_BARRE_OUTILS, [this] { m_pBarreOutils->setHidden(!m_pBarreOutils->isHidden()); }},
        {ID_BARRE_ETAT, [this] { statusBar()->setHidden(!statusBar()->isHidden()); }},
        {ID_ORIENTATION_STANDARD, [this] { m_pVue->InitialiserVue(); }},
        {ID_AJUSTER_SCENE, [this] { m_pVue->AjusterScene(); }},
        {ID_COORDONNEES, [this] { BasculerCoordonnees(m_doc); }},
        {ID_COTE_ETUDE, [this] { BasculerCoteEtude(m_doc); }},
        {ID_SUPPRIMER_FACE, [this] { m_doc.SupprimerFace(); }},
        {ID_RECEPTEUR, [this] { m_doc.BasculerRecepteur(); }},
        {ID_COTE_INVERSE, [this] { m_doc.BasculerCoteInverse(); }},
        {ID_AIDE, [] { OuvrirAide(); }},
        {ID_SITE, [] { OuvrirSite(); }},
        {ID_CONTACT, [] { ContacterAuteur(); }},
        {ID_A_PROPOS, [this] { APropos(); }},
    };
    m_pEtude->Brancher(m_gestionnaires);
    m_pModelisation->Brancher(m_gestionnaires);
    BrancherImages(m_gestionnaires, *this, m_doc, m_interaction);
    for (const CCommande& c : Commandes()) {
        auto* pAction = new QAction(Texte(c.szMenu), this);
        pAction->setStatusTip(Texte(c.szInvite));
        pAction->setToolTip(Texte(c.szBulle));
        if (c.cTouche != 0) {
            pAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + (c.cTouche - 'A'))));
        } else if (const char* szTouche = RaccourciParticulier(c.nId)) {
            const QKeySequence touche(QString::fromLatin1(szTouche));
            pAction->setShortcut(touche);
            // A bare letter belongs to the view: elsewhere it is typing.
            if (touche[0].keyboardModifiers() == Qt::NoModifier) {
                pAction->setShortcutContext(Qt::WidgetShortcut);
                m_pVue->addAction(pAction);
            }
        }
        pAction->setCheckable(c.pCochee != nullptr);
        pAction->setIcon(IconeCommande(c.nId));
        // The menu shows the table's own accelerator text; no icon there.
        pAction->setIconVisibleInMenu(false);
        const int nId = c.nId;
        connect(pAction, &QAction::triggered, this, [this, nId] { Executer(nId); });
        // Accelerators work even with the bars hidden.
        addAction(pAction);
        m_actions[nId] = pAction;
    }
}

void CMainFrame::CreerMenus() {
    for (const CMenu& menu : Menus()) {
        auto* pMenu = new CMenuInvites(Texte(menu.szTitre), this, this);
        menuBar()->addMenu(pMenu);
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::MettreAJourCommandes);
        std::vector<QMenu*> pile{pMenu};
        for (const CEntreeMenu& e : menu.entrees) {
            switch (e.type) {
            case CEntreeMenu::Commande:
                pile.back()->addAction(Action(e.nId));
                break;
            case CEntreeMenu::Separateur:
                pile.back()->addSeparator();
                break;
            case CEntreeMenu::SousMenu: {
                auto* pSousMenu = new CMenuInvites(Texte(e.szTitre), pile.back(), this);
                pile.back()->addMenu(pSousMenu);
                pile.push_back(pSousMenu);
                break;
            }
            case CEntreeMenu::FinSousMenu:
                if (pile.size() > 1) {
                    pile.pop_back();
                }
                break;
            }
        }
    }
}

void CMainFrame::CreerBarreOutils() {
    m_pBarreOutils = new QToolBar(this);
    m_pBarreOutils->setObjectName(QStringLiteral("BarreOutils"));
    m_pBarreOutils->setIconSize(QSize(16, 15));
    m_pBarreOutils->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pBarreOutils->setAllowedAreas(Qt::AllToolBarAreas);
    m_pBarreOutils->setMovable(true);
    for (const int nId : ::BarreOutils()) {
        if (nId == 0) {
            m_pBarreOutils->addSeparator();
        } else {
            m_pBarreOutils->addAction(Action(nId));
        }
    }
    addToolBar(Qt::TopToolBarArea, m_pBarreOutils);
    // Hidden from its own context menu, the bar's check mark follows.
    connect(m_pBarreOutils, &QToolBar::visibilityChanged, this, &CMainFrame::MettreAJourCommandes);
}

void CMainFrame::CreerBarreEtat() {
    QStatusBar* pBarre = statusBar();
    m_pMessage = new QLabel(pBarre);
    pBarre->addWidget(m_pMessage, 1);
    const char* textes[3] = {kIndicateurMajuscules, kIndicateurNumerique, kIndicateurDefilement};
    for (int i = 0; i < 3; ++i) {
        auto* pPane = new QLabel(pBarre);
        pPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pPane->setAlignment(Qt::AlignCenter);
        // Wide enough for its text, shown or not.
        pPane->setMinimumWidth(pPane->fontMetrics().horizontalAdvance(Texte(textes[i])) + 12);
        pBarre->addPermanentWidget(pPane);
        m_indicateurs[static_cast<std::size_t>(i)] = pPane;
    }
    AfficherInvite({});
    m_pMinuterieVerrous = new QTimer(this);
    m_pMinuterieVerrous->setInterval(250);
    connect(m_pMinuterieVerrous, &QTimer::timeout, this, &CMainFrame::MettreAJourIndicateurs);
    FixerLecteurVerrous(LecteurVerrousSysteme());
}

void CMainFrame::FixerLecteurVerrous(LecteurVerrous lecteur) {
    m_lecteurVerrous = std::move(lecteur);
    if (m_lecteurVerrous) {
        m_pMinuterieVerrous->start();
    } else {
        m_pMinuterieVerrous->stop();
    }
    MettreAJourIndicateurs();
}

void CMainFrame::MettreAJourIndicateurs() {
    const char* textes[3] = {kIndicateurMajuscules, kIndicateurNumerique, kIndicateurDefilement};
    for (int i = 0; i < 3; ++i) {
        const std::optional<bool> bActif =
            m_lecteurVerrous ? m_lecteurVerrous(static_cast<EVerrou>(i)) : std::nullopt;
        m_indicateurs[static_cast<std::size_t>(i)]->setText(
            bActif.value_or(false) ? Texte(textes[i]) : QString());
    }
}

void CMainFrame::AfficherInvite(const QString& invite) {
    m_pMessage->setText(invite.isEmpty() ? Texte(kTexteRepos) : invite);
}

bool CMainFrame::event(QEvent* pEvenement) {
    if (pEvenement->type() == QEvent::StatusTip) {
        AfficherInvite(static_cast<QStatusTipEvent*>(pEvenement)->tip());
        return true;
    }
    return QMainWindow::event(pEvenement);
}

void CMainFrame::MettreAJourCommandes() {
    const CEtatCommandes etat =
        m_doc.EtatCommandes(!m_pBarreOutils->isHidden(), !statusBar()->isHidden());
    for (const auto& [nId, pAction] : m_actions) {
        pAction->setEnabled(m_gestionnaires.count(nId) != 0 && EstActive(nId, etat));
        if (const std::optional<bool> bCochee = EstCochee(nId, etat)) {
            pAction->setChecked(*bCochee);
        }
    }
}

void CMainFrame::Executer(int nId) {
    const auto it = m_gestionnaires.find(nId);
    if (it != m_gestionnaires.end()) {
        const int nSelection = g_nFaceSelectionnee;
        it->second();
        // Whatever the command changed, through any dialog, is one step of
        // Undo; a cancelled or refused command changed nothing.
        m_doc.MemoriserEtape(nSelection);
    }
    MettreAJourCommandes();
}

QString CMainFrame::TitreFichier() const {
    if (m_doc.Chemin().empty()) {
        return Texte(kSansTitre);
    }
    return QFileInfo(DepuisCheminLocal(m_doc.Chemin())).fileName();
}

void CMainFrame::MettreAJourTitre() {
    setWindowTitle(Texte(kTitreProgramme) + QStringLiteral(" - ") + TitreFichier());
}

void CMainFrame::DocumentRemplace() {
    m_pVue->InitialiserVue();
    MettreAJourTitre();
    MettreAJourCommandes();
}

bool CMainFrame::EnregistrerModifications() {
    if (!m_doc.IsModified()) {
        return true;
    }
    const std::string strTexte = "Save changes to " + VersCp1252Affichage(TitreFichier()) + "?";
    switch (m_interaction.DemanderEnregistrement(strTexte, kTitreProgramme)) {
    case EReponse::Oui:
        return Enregistrer();
    case EReponse::Non:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::NouveauDocument() {
    if (!EnregistrerModifications()) {
        return false;
    }
    m_doc.NouveauDocument();
    DocumentRemplace();
    return true;
}

bool CMainFrame::OuvrirDocument() {
    const CChoixFichier choix{.strTitre = "Open",
                              .strNomInitial = "",
                              .strExtension = kExtension,
                              .strFiltre = kFiltre,
                              .bConfirmerEcrasement = false};
    const std::optional<std::string> chemin = m_interaction.ChoisirFichierOuverture(choix);
    if (!chemin) {
        return false;
    }
    return OuvrirDocument(*chemin);
}

bool CMainFrame::OuvrirDocument(const std::string& chemin) {
    if (!EnregistrerModifications()) {
        return false;
    }
    return Charger(chemin);
}

bool CMainFrame::ChargerAuDemarrage(const std::string& chemin) {
    return Charger(chemin);
}

bool CMainFrame::Charger(const std::string& chemin) {
    std::string strErreur;
    // On failure the document either is untouched (unreadable file) or is a
    // new, untitled one (malformed file): no "&Save" can harm the old file.
    const bool bLu = m_doc.Charger(chemin, strErreur);
    DocumentRemplace();
    if (!bLu) {
        const QString nom = QFileInfo(DepuisCheminLocal(chemin)).fileName();
        const std::string strTexte = "The document \"" + VersCp1252Affichage(nom) +
                                     "\" could not be opened.\n\n" +
                                     VersCp1252Affichage(DepuisCheminLocal(strErreur));
        m_interaction.Message(strTexte, kTitreProgramme, EIcone::Stop, EBoutons::Ok);
    }
    return bLu;
}

bool CMainFrame::Enregistrer() {
    if (m_doc.Chemin().empty()) {
        return EnregistrerSous();
    }
    return EnregistrerVers(m_doc.Chemin());
}

bool CMainFrame::EnregistrerSous() {
    const std::string strInitial =
        m_doc.Chemin().empty() ? std::string(kSansTitre) + "." + kExtension : m_doc.Chemin();
    const CChoixFichier choix{.strTitre = "Save As",
                              .strNomInitial = strInitial,
                              .strExtension = kExtension,
                              .strFiltre = kFiltre,
                              .bConfirmerEcrasement = true};
    const std::optional<std::string> chemin = m_interaction.ChoisirFichierEnregistrement(choix);
    if (!chemin) {
        return false;
    }
    return EnregistrerVers(*chemin);
}

bool CMainFrame::EnregistrerVers(const std::string& chemin) {
    std::string strErreur;
    if (!m_doc.Enregistrer(chemin, strErreur)) {
        m_interaction.Message(VersCp1252Affichage(DepuisCheminLocal(strErreur)), kTitreProgramme,
                              EIcone::Stop, EBoutons::Ok);
        return false;
    }
    MettreAJourTitre();
    MettreAJourCommandes();
    return true;
}

void CMainFrame::APropos() {
    CAPropos boite(this);
    boite.exec();
}

void CMainFrame::closeEvent(QCloseEvent* pEvenement) {
    if (!EnregistrerModifications()) {
        pEvenement->ignore();
        return;
    }
    // Nothing is left to save once the contents are gone.
    m_doc.SupprimerContenu();
    m_doc.SetModifiedFlag(false);
    pEvenement->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* pEvenement) {
    if (!FichierDepose(pEvenement->mimeData()).isEmpty()) {
        pEvenement->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* pEvenement) {
    const QString fichier = FichierDepose(pEvenement->mimeData());
    if (fichier.isEmpty()) {
        return;
    }
    pEvenement->acceptProposedAction();
    activateWindow();
    // Opened once the drop is over: the save question must not hold the
    // drag source waiting.
    const std::string chemin = CheminLocal(fichier);
    QTimer::singleShot(0, this, [this, chemin] { OuvrirDocument(chemin); });
}
