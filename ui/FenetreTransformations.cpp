#include "ui/FenetreTransformations.h"

#include "document/VantrelDoc.h"
#include "ui/ChampsCoordonnees.h"
#include "ui/DialoguesFaces.h"
#include "ui_Transformations.h"

#include <QFocusEvent>

CFenetreTransformations::CFenetreTransformations(CVantrelDoc& doc, CInteraction& interaction,
                                                 QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_doc(doc), m_transformations(doc.m_transformations),
      m_ui(std::make_unique<Ui::Transformations>()) {
    m_ui->setupUi(this);
    Ui::Transformations& u = *m_ui;
    QLineEdit* const vecteur[3] = {u.vecteurX, u.vecteurY, u.vecteurZ};
    QLineEdit* const centre[3] = {u.centreX, u.centreY, u.centreZ};
    for (int a = 0; a < 3; ++a) {
        m_vecteur[a] = vecteur[a];
        m_centre[a] = centre[a];
        Associer(kChampVecteur + a, vecteur[a]);
        Associer(kChampCentre + a, centre[a]);
        vecteur[a]->installEventFilter(this);
        centre[a]->installEventFilter(this);
    }
    Associer(kChampAngle, u.dAngle);
    Associer(kChampFacteur, u.dFacteur);
    setFixedSize(sizeHint());

    connect(u.translation, &QPushButton::clicked, this,
            [this] { Appliquer(&CTransformations::Translation); });
    connect(u.rotation, &QPushButton::clicked, this,
            [this] { Appliquer(&CTransformations::Rotation); });
    connect(u.homothetie, &QPushButton::clicked, this,
            [this] { Appliquer(&CTransformations::Homothetie); });
    connect(u.fermer, &QPushButton::clicked, this, &CFenetreTransformations::reject);
    connect(u.groupe, &QPushButton::clicked, this, &CFenetreTransformations::Groupe);
    connect(u.restaurer, &QPushButton::clicked, this, [this] { m_transformations.Restaurer(); });
    connect(u.valider, &QPushButton::clicked, this, &CFenetreTransformations::Valider);
}

CFenetreTransformations::~CFenetreTransformations() = default;

void CFenetreTransformations::Ouvrir() {
    Afficher(m_transformations.Ouvrir());
}

void CFenetreTransformations::Afficher(const CTransformations::CTampon& t) {
    const double vecteur[3] = {t.vecteur.m_x, t.vecteur.m_y, t.vecteur.m_z};
    const double centre[3] = {t.centre.m_x, t.centre.m_y, t.centre.m_z};
    for (int a = 0; a < 3; ++a) {
        FixerCoordonnee(m_vecteur[a], vecteur[a]);
        FixerCoordonnee(m_centre[a], centre[a]);
    }
    FixerCoordonnee(m_ui->dAngle, t.dAngle);
    FixerCoordonnee(m_ui->dFacteur, t.dFacteur);
    m_ui->bDupliquer->setChecked(t.bDupliquer);
}

bool CFenetreTransformations::Lire(CTransformations::CTampon& t) {
    double vecteur[3] = {0, 0, 0};
    double centre[3] = {0, 0, 0};
    for (int a = 0; a < 3; ++a) {
        if (Refuse(LireCoordonnee(m_vecteur[a], kChampVecteur + a, vecteur[a]))) {
            return false;
        }
    }
    for (int a = 0; a < 3; ++a) {
        if (Refuse(LireCoordonnee(m_centre[a], kChampCentre + a, centre[a]))) {
            return false;
        }
    }
    if (Refuse(LireCoordonnee(m_ui->dAngle, kChampAngle, t.dAngle)) ||
        Refuse(LireCoordonnee(m_ui->dFacteur, kChampFacteur, t.dFacteur))) {
        return false;
    }
    t.vecteur.Fixe(vecteur[0], vecteur[1], vecteur[2]);
    t.centre.Fixe(centre[0], centre[1], centre[2]);
    t.bDupliquer = m_ui->bDupliquer->isChecked();
    return true;
}

void CFenetreTransformations::Appliquer(
    void (CTransformations::*pOperation)(const CTransformations::CTampon&)) {
    CTransformations::CTampon t{};
    if (Lire(t)) {
        (m_transformations.*pOperation)(t);
    }
}

void CFenetreTransformations::Valider() {
    CTransformations::CTampon t{};
    if (Lire(t)) {
        m_transformations.Valider(t);
    }
}

void CFenetreTransformations::Groupe() {
    CSelectionMultiple::CTampon choix = m_transformations.CommencerGroupe();
    CDialogueSelectionMultiple dialogue(choix, m_interaction, this);
    const bool bValide = dialogue.exec() == QDialog::Accepted;
    m_transformations.TerminerGroupe(bValide, choix);
}

void CFenetreTransformations::PointChoisi(const CVecteur& p) {
    Afficher(m_transformations.PointChoisi(p));
}

void CFenetreTransformations::reject() {
    // The document clears its flag, empties the group and deletes every
    // copy, then has the window layer destroy this window.
    if (m_doc.m_bTransformationsOuvertes) {
        m_transformations.Fermer();
    }
    hide();
}

bool CFenetreTransformations::eventFilter(QObject* pObjet, QEvent* pEvenement) {
    if (pEvenement->type() == QEvent::FocusIn) {
        for (int a = 0; a < 3; ++a) {
            if (pObjet == m_vecteur[a]) {
                m_transformations.m_nChamp = CTransformations::ChampVecteur;
            } else if (pObjet == m_centre[a]) {
                m_transformations.m_nChamp = CTransformations::ChampCentre;
            }
        }
    }
    return CDialogueVantrel::eventFilter(pObjet, pEvenement);
}
