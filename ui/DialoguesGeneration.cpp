#include "ui/DialoguesGeneration.h"

#include "modelling/InsertionParallelepipede.h"
#include "modelling/InsertionPrisme.h"
#include "ui_InsertionParallelepipede.h"
#include "ui_InsertionPrisme.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace {

// A point shows in three fields, X, Y and Z, numbered from nChamp.
void AssocierPoint(CDialogueVantrel& dialogue, int nChamp, QLineEdit* pX, QLineEdit* pY,
                   QLineEdit* pZ, const CVecteur& v) {
    dialogue.Associer(nChamp, pX);
    dialogue.Associer(nChamp + 1, pY);
    dialogue.Associer(nChamp + 2, pZ);
    FixerChamp(pX, TexteReel(v.m_x));
    FixerChamp(pY, TexteReel(v.m_y));
    FixerChamp(pZ, TexteReel(v.m_z));
}

// Nothing after the refusal of one of its fields.
std::optional<CVecteur> LirePoint(CDialogueVantrel& dialogue, int nChamp) {
    double d[3];
    for (int i = 0; i < 3; ++i) {
        const auto v = dialogue.ReelDuChamp(nChamp + i);
        if (!v) {
            return std::nullopt;
        }
        d[i] = *v;
    }
    return CVecteur(d[0], d[1], d[2]);
}

// Closes on success; a refused field was shown by the core's message, a
// refused geometry keeps the dialog open silently.
void Terminer(CDialogueVantrel& dialogue, const CResultatInsertion& resultat) {
    switch (resultat.nIssue) {
    case EIssueInsertion::Inseree:
        dialogue.accept();
        break;
    case EIssueInsertion::ChampRefuse:
        dialogue.Refuse(resultat.refus);
        break;
    case EIssueInsertion::GeometrieRefusee:
        break;
    }
}

} // namespace

CDialogueInsertionPrisme::CDialogueInsertionPrisme(CInsertionPrisme& insertion,
                                                   CInteraction& interaction, QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_insertion(insertion),
      m_ui(std::make_unique<Ui::InsertionPrisme>()) {
    m_ui->setupUi(this);
    const CInsertionPrisme::CTampon t = m_insertion.Ouvrir();
    Associer(CInsertionPrisme::ChampNom, m_ui->strNom);
    Associer(CInsertionPrisme::ChampCotes, m_ui->nCotes);
    FixerChamp(m_ui->strNom, t.strNom);
    FixerChamp(m_ui->nCotes, std::to_string(t.nCotes));
    AssocierPoint(*this, CInsertionPrisme::ChampHauteur, m_ui->hauteurX, m_ui->hauteurY,
                  m_ui->hauteurZ, t.hauteur);
    AssocierPoint(*this, CInsertionPrisme::ChampSommetBase, m_ui->sommetBaseX, m_ui->sommetBaseY,
                  m_ui->sommetBaseZ, t.sommetBase);
    AssocierPoint(*this, CInsertionPrisme::ChampCentreBase, m_ui->centreBaseX, m_ui->centreBaseY,
                  m_ui->centreBaseZ, t.centreBase);

    connect(m_ui->inserer, &QPushButton::clicked, this, &CDialogueInsertionPrisme::Inserer);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueInsertionPrisme::~CDialogueInsertionPrisme() = default;

void CDialogueInsertionPrisme::Inserer() {
    const auto nom = TexteDuChamp(CInsertionPrisme::ChampNom);
    if (!nom) {
        return;
    }
    const auto nCotes = EntierDuChamp(CInsertionPrisme::ChampCotes);
    if (!nCotes) {
        return;
    }
    const auto hauteur = LirePoint(*this, CInsertionPrisme::ChampHauteur);
    if (!hauteur) {
        return;
    }
    const auto sommet = LirePoint(*this, CInsertionPrisme::ChampSommetBase);
    if (!sommet) {
        return;
    }
    const auto centre = LirePoint(*this, CInsertionPrisme::ChampCentreBase);
    if (!centre) {
        return;
    }
    // Beyond the int range the core's range message is the one to show.
    const int n = static_cast<int>(std::clamp<long>(*nCotes, INT_MIN, INT_MAX));
    Terminer(*this, m_insertion.Inserer({*nom, n, *hauteur, *sommet, *centre}));
}

CDialogueInsertionParallelepipede::CDialogueInsertionParallelepipede(
    CInsertionParallelepipede& insertion, CInteraction& interaction, QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_insertion(insertion),
      m_ui(std::make_unique<Ui::InsertionParallelepipede>()) {
    m_ui->setupUi(this);
    const CInsertionParallelepipede::CTampon t = m_insertion.Ouvrir();
    Associer(CInsertionParallelepipede::ChampNom, m_ui->strNom);
    FixerChamp(m_ui->strNom, t.strNom);
    AssocierPoint(*this, CInsertionParallelepipede::ChampSommet1, m_ui->sommet1X, m_ui->sommet1Y,
                  m_ui->sommet1Z, t.sommet1);
    AssocierPoint(*this, CInsertionParallelepipede::ChampSommet2, m_ui->sommet2X, m_ui->sommet2Y,
                  m_ui->sommet2Z, t.sommet2);

    connect(m_ui->inserer, &QPushButton::clicked, this,
            &CDialogueInsertionParallelepipede::Inserer);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueInsertionParallelepipede::~CDialogueInsertionParallelepipede() = default;

void CDialogueInsertionParallelepipede::Inserer() {
    const auto nom = TexteDuChamp(CInsertionParallelepipede::ChampNom);
    if (!nom) {
        return;
    }
    const auto sommet1 = LirePoint(*this, CInsertionParallelepipede::ChampSommet1);
    if (!sommet1) {
        return;
    }
    const auto sommet2 = LirePoint(*this, CInsertionParallelepipede::ChampSommet2);
    if (!sommet2) {
        return;
    }
    Terminer(*this, m_insertion.Inserer({*nom, *sommet1, *sommet2}));
}
