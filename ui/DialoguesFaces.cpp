#include "ui/DialoguesFaces.h"

#include "modelling/InsertionFace.h"
#include "modelling/InversionFace.h"
#include "modelling/SelectionFace.h"
#include "modelling/SelectionMultiple.h"
#include "ui/Texte.h"
#include "ui_InsertionFace.h"
#include "ui_InversionFace.h"
#include "ui_SelectionFace.h"
#include "ui_SelectionMultiple.h"

#include <string>
#include <vector>

namespace {

void Remplir(QComboBox* pListe, const std::vector<std::string>& libelles, int nChoix) {
    for (const std::string& libelle : libelles) {
        pListe->addItem(DepuisCp1252(libelle));
    }
    pListe->setCurrentIndex(nChoix);
}

} // namespace

CDialogueInsertionFace::CDialogueInsertionFace(CInsertionFace& insertion, CInteraction& interaction,
                                               QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_insertion(insertion),
      m_ui(std::make_unique<Ui::InsertionFace>()) {
    m_ui->setupUi(this);
    Associer(CInsertionFace::ChampType, m_ui->nType);
    Associer(CInsertionFace::ChampNom, m_ui->strNom);

    const CInsertionFace::CTampon t = m_insertion.Ouvrir();
    Remplir(m_ui->nType, t.types, t.nType);
    FixerChamp(m_ui->strNom, t.strNom);

    connect(m_ui->inserer, &QPushButton::clicked, this, &CDialogueInsertionFace::Inserer);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueInsertionFace::~CDialogueInsertionFace() = default;

void CDialogueInsertionFace::Inserer() {
    CInsertionFace::CTampon t;
    t.nType = m_ui->nType->currentIndex();
    const auto nom = TexteDuChamp(CInsertionFace::ChampNom);
    if (!nom) {
        return;
    }
    t.strNom = *nom;
    if (!Refuse(m_insertion.Inserer(t))) {
        accept();
    }
}

CDialogueSelectionFace::CDialogueSelectionFace(CSelectionFace& selection, CInteraction& interaction,
                                               QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_selection(selection),
      m_ui(std::make_unique<Ui::SelectionFace>()) {
    m_ui->setupUi(this);
    const CSelectionFace::CTampon t = m_selection.Ouvrir();
    Remplir(m_ui->nChoix, t.libelles, t.nChoix);

    connect(m_ui->selectionner, &QPushButton::clicked, this, &CDialogueSelectionFace::Selectionner);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueSelectionFace::~CDialogueSelectionFace() = default;

void CDialogueSelectionFace::Selectionner() {
    CSelectionFace::CTampon t;
    t.nChoix = m_ui->nChoix->currentIndex();
    m_selection.Selectionner(t);
    accept();
}

CDialogueInversionFace::CDialogueInversionFace(CInversionFace& inversion, CInteraction& interaction,
                                               QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_inversion(inversion),
      m_ui(std::make_unique<Ui::InversionFace>()) {
    m_ui->setupUi(this);
    const CInversionFace::CTampon t = m_inversion.Ouvrir();
    Remplir(m_ui->nChoix, t.libelles, t.nChoix);

    connect(m_ui->inverser, &QPushButton::clicked, this, &CDialogueInversionFace::Inverser);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueInversionFace::~CDialogueInversionFace() = default;

void CDialogueInversionFace::Inverser() {
    CInversionFace::CTampon t;
    t.nChoix = m_ui->nChoix->currentIndex();
    m_inversion.Inverser(t);
    accept();
}

CDialogueSelectionMultiple::CDialogueSelectionMultiple(CSelectionMultiple::CTampon& tampon,
                                                       CInteraction& interaction, QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_tampon(tampon),
      m_ui(std::make_unique<Ui::SelectionMultiple>()) {
    m_ui->setupUi(this);
    const CSelectionMultiple::CTampon& t = m_tampon;
    FixerChamp(m_ui->strConsigne, t.strConsigne);
    // The whole prompt shows, from its start; it is what the user reads
    // above the list.
    const QFontMetrics mesure(m_ui->strConsigne->font());
    m_ui->strConsigne->setMinimumWidth(
        mesure.horizontalAdvance(m_ui->strConsigne->text() + QStringLiteral("MM")));
    m_ui->strConsigne->setCursorPosition(0);
    MarquerLectureSeule(this);
    if (!t.strConsigne.empty()) {
        m_ui->selection->setAccessibleName(DepuisCp1252(t.strConsigne));
    }
    RemplirListe(m_ui->selection, t.libelles, t.selection);
    m_ui->selection->setFocus();

    connect(m_ui->valider, &QPushButton::clicked, this, &CDialogueSelectionMultiple::Valider);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueSelectionMultiple::~CDialogueSelectionMultiple() = default;

void CDialogueSelectionMultiple::Valider() {
    m_tampon.selection = SelectionListe(m_ui->selection);
    accept();
}

void RemplirListe(QListWidget* pListe, const std::vector<std::string>& libelles,
                  const std::vector<bool>& selection) {
    for (std::size_t j = 0; j < libelles.size(); ++j) {
        pListe->addItem(DepuisCp1252(libelles[j]));
        pListe->item(static_cast<int>(j))->setSelected(selection[j]);
    }
}

std::vector<bool> SelectionListe(const QListWidget* pListe) {
    std::vector<bool> selection;
    for (int j = 0; j < pListe->count(); ++j) {
        selection.push_back(pListe->item(j)->isSelected());
    }
    return selection;
}
