#include "app/CommandesModelisation.h"

#include "app/MainFrame.h"
#include "document/Commandes.h"
#include "document/VantrelDoc.h"
#include "ui/FenetrePointsPrincipaux.h"
#include "ui/FenetreTransformations.h"
#include "ui/FeuilleParametresAffichage.h"
#include "ui/InteractionQt.h"
#include "ui/VantrelView.h"

CCommandesModelisation::CCommandesModelisation(CMainFrame& fenetre, CVantrelDoc& doc,
                                               CInteractionQt& interaction)
    : QObject(&fenetre), m_fenetre(fenetre), m_doc(doc), m_interaction(interaction) {
    m_fenetre.Vue()->Editeurs().FixerFenetres(this);
}

void CCommandesModelisation::Brancher(Gestionnaires& gestionnaires) {
    BrancherEditeurs(gestionnaires);
}

void CCommandesModelisation::FermerFenetre(EFenetre fenetre) {
    // Called from inside the window's own handlers too: it goes once they
    // have returned.
    auto fermer = [](auto& pFenetre, std::optional<QPoint>& position) {
        if (pFenetre) {
            position = pFenetre->pos();
            pFenetre->hide();
            pFenetre->deleteLater();
            pFenetre = nullptr;
        }
    };
    if (fenetre == EFenetre::PointsPrincipaux) {
        fermer(m_pPointsPrincipaux, m_positionPointsPrincipaux);
    } else if (fenetre == EFenetre::Transformations) {
        fermer(m_pTransformations, m_positionTransformations);
    }
}

// ----- The modeless editors and the view parameters

void CCommandesModelisation::BrancherEditeurs(Gestionnaires& gestionnaires) {
    gestionnaires[ID_PARAMETRES_AFFICHAGE] = [this] { ParametresAffichage(); };
    gestionnaires[ID_POINTS_PRINCIPAUX] = [this] { BasculerPointsPrincipaux(); };
    gestionnaires[ID_TRANSFORMATIONS] = [this] { BasculerTransformations(); };
}

QDialog* CCommandesModelisation::Fenetre(EFenetre fenetre) const {
    switch (fenetre) {
    case EFenetre::PointsPrincipaux:
        return m_pPointsPrincipaux;
    case EFenetre::Transformations:
        return m_pTransformations;
    default:
        return nullptr;
    }
}

void CCommandesModelisation::ParametresAffichage() {
    CFeuilleParametresAffichage feuille(m_doc.m_parametresAffichage, m_interaction, &m_fenetre);
    m_doc.TerminerDialogueModal(feuille.exec() == QDialog::Accepted);
}

void CCommandesModelisation::Montrer(QDialog* pFenetre, const std::optional<QPoint>& position) {
    if (position) {
        pFenetre->move(*position);
    }
    pFenetre->show();
    pFenetre->raise();
    pFenetre->activateWindow();
}

void CCommandesModelisation::BasculerPointsPrincipaux() {
    if (m_doc.m_bPointsPrincipauxOuverts) {
        ::FermerPointsPrincipaux(m_doc, *m_doc.Face(-1));
    } else {
        OuvrirPointsPrincipaux();
    }
}

void CCommandesModelisation::OuvrirPointsPrincipaux() {
    FermerFenetre(EFenetre::PointsPrincipaux);
    m_pPointsPrincipaux = new CFenetrePointsPrincipaux(m_doc, m_interaction, &m_fenetre);
    m_pPointsPrincipaux->Ouvrir();
    Montrer(m_pPointsPrincipaux, m_positionPointsPrincipaux);
}

void CCommandesModelisation::PlacerPoint(const CVecteur& point) {
    if (m_pPointsPrincipaux) {
        m_pPointsPrincipaux->PlacerPoint(point);
    }
}

void CCommandesModelisation::BasculerTransformations() {
    if (m_doc.m_bTransformationsOuvertes) {
        m_doc.m_transformations.Fermer();
    } else {
        OuvrirTransformations();
    }
}

void CCommandesModelisation::OuvrirTransformations() {
    FermerFenetre(EFenetre::Transformations);
    m_pTransformations = new CFenetreTransformations(m_doc, m_interaction, &m_fenetre);
    m_pTransformations->Ouvrir();
    Montrer(m_pTransformations, m_positionTransformations);
}

void CCommandesModelisation::PointChoisi(const CVecteur& point) {
    if (m_pTransformations) {
        m_pTransformations->PointChoisi(point);
    }
}
