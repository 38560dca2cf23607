#include "ui/DialogueProprietes.h"

#include "document/VantrelDoc.h"
#include "ui_CorrelationPhysique.h"
#include "ui_Proprietes.h"

#include <QButtonGroup>

#include <array>

namespace {

using Ligne = std::array<QLineEdit*, CCorrelationPhysique::kCouples>;

Ligne Incidences(const Ui::CorrelationPhysique& ui) {
    return {ui.dIncidences0, ui.dIncidences1, ui.dIncidences2,
            ui.dIncidences3, ui.dIncidences4, ui.dIncidences5};
}

Ligne Taux(const Ui::CorrelationPhysique& ui) {
    return {ui.dTaux0, ui.dTaux1, ui.dTaux2, ui.dTaux3, ui.dTaux4, ui.dTaux5};
}

} // namespace

CDialogueCorrelation::CDialogueCorrelation(const CCorrelationPhysique& correlation,
                                           Validation valider, CInteraction& interaction,
                                           QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_valider(std::move(valider)),
      m_ui(std::make_unique<Ui::CorrelationPhysique>()), m_pModes(new QButtonGroup(this)) {
    m_ui->setupUi(this);
    m_pModes->addButton(m_ui->mode0, CCorrelationPhysique::Uniforme);
    m_pModes->addButton(m_ui->mode1, CCorrelationPhysique::ModuleCosinus);
    m_pModes->addButton(m_ui->mode2, CCorrelationPhysique::Interpole);

    const CCorrelationPhysique::CTampon t = correlation.Ouvrir();
    m_nModeInitial = t.nMode;
    const Ligne incidences = Incidences(*m_ui);
    const Ligne taux = Taux(*m_ui);
    for (int i = 0; i < CCorrelationPhysique::kCouples; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Associer(CCorrelationPhysique::ChampIncidence0 + i, incidences[k]);
        Associer(CCorrelationPhysique::ChampTaux0 + i, taux[k]);
        FixerChamp(incidences[k], TexteReel(t.dIncidences[i]));
        FixerChamp(taux[k], TexteReel(t.dTaux[i]));
        incidences[k]->setReadOnly(!CCorrelationPhysique::IncidenceModifiable(i));
    }
    MarquerLectureSeule(this);
    // A mode the file holds beyond the three shows no button checked.
    if (QAbstractButton* pMode = m_pModes->button(t.nMode)) {
        pMode->setChecked(true);
    }

    connect(m_ui->valider, &QPushButton::clicked, this, &CDialogueCorrelation::Valider);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueCorrelation::~CDialogueCorrelation() = default;

void CDialogueCorrelation::Valider() {
    CCorrelationPhysique::CTampon t{};
    for (int i = 0; i < CCorrelationPhysique::kCouples; ++i) {
        const auto d = ReelDuChamp(CCorrelationPhysique::ChampIncidence0 + i);
        if (!d) {
            return;
        }
        t.dIncidences[i] = *d;
    }
    for (int i = 0; i < CCorrelationPhysique::kCouples; ++i) {
        const auto d = ReelDuChamp(CCorrelationPhysique::ChampTaux0 + i);
        if (!d) {
            return;
        }
        t.dTaux[i] = *d;
    }
    // With no button checked (an unknown mode read from a file) the mode stays.
    t.nMode = m_pModes->checkedId() < 0 ? m_nModeInitial : m_pModes->checkedId();
    if (!Refuse(m_valider(t))) {
        accept();
    }
}

CDialogueProprietes::CDialogueProprietes(CVantrelDoc& doc, CProprietes& proprietes,
                                         CInteraction& interaction, QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_doc(doc), m_proprietes(proprietes),
      m_tampon(proprietes.Ouvrir()), m_ui(std::make_unique<Ui::Proprietes>()) {
    m_ui->setupUi(this);
    Associer(CProprietes::ChampNom, m_ui->strNom);
    Associer(CProprietes::ChampTransmittivite, m_ui->dTransmittivite);
    Associer(CProprietes::ChampAbsorptivite, m_ui->dAbsorptivite);
    Associer(CProprietes::ChampMailleRelative, m_ui->dMailleRelative);
    Associer(CProprietes::ChampMailleAbsolue, m_ui->dMailleAbsolue);

    FixerChamp(m_ui->strNom, m_tampon.strNom);
    m_ui->bRecepteur->setChecked(m_tampon.bRecepteur);
    m_ui->bCoteInverse->setChecked(m_tampon.bCoteInverse);
    m_ui->bMasquee->setChecked(m_tampon.bMasquee);
    FixerChamp(m_ui->dTransmittivite, TexteReel(m_tampon.dTransmittivite));
    FixerChamp(m_ui->dAbsorptivite, TexteReel(m_tampon.dAbsorptivite));
    FixerChamp(m_ui->dMailleRelative, TexteReel(m_tampon.dMailleRelative));
    FixerChamp(m_ui->dMailleAbsolue, TexteReel(m_tampon.dMailleAbsolue));
    Activer();

    connect(m_ui->detailTransmittivite, &QPushButton::clicked, this, [this] { Detail(true); });
    connect(m_ui->detailAbsorptivite, &QPushButton::clicked, this, [this] { Detail(false); });
    connect(m_ui->valider, &QPushButton::clicked, this, &CDialogueProprietes::Valider);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueProprietes::~CDialogueProprietes() = default;

void CDialogueProprietes::Detail(bool bTransmittivite) {
    const CCorrelationPhysique& correlation = bTransmittivite
                                                  ? m_proprietes.m_correlationTransmittivite
                                                  : m_proprietes.m_correlationAbsorptivite;
    // Confirmed, the law is stored at once and stays even if these
    // properties are then cancelled.
    CDialogueCorrelation dialogue(
        correlation,
        [this, bTransmittivite](const CCorrelationPhysique::CTampon& t) {
            return m_doc.ValiderDetail(m_proprietes, bTransmittivite, t, m_tampon);
        },
        m_interaction, this);
    if (dialogue.exec() == QDialog::Accepted) {
        Activer();
    }
}

void CDialogueProprietes::Activer() {
    m_ui->dTransmittivite->setEnabled(m_tampon.bTransmittiviteActive);
    m_ui->dAbsorptivite->setEnabled(m_tampon.bAbsorptiviteActive);
}

void CDialogueProprietes::Valider() {
    const auto nom = TexteDuChamp(CProprietes::ChampNom);
    if (!nom) {
        return;
    }
    CProprietes::CTampon t = m_tampon;
    t.strNom = *nom;
    t.bRecepteur = m_ui->bRecepteur->isChecked();
    t.bCoteInverse = m_ui->bCoteInverse->isChecked();
    t.bMasquee = m_ui->bMasquee->isChecked();
    double* const valeurs[] = {&t.dTransmittivite, &t.dAbsorptivite, &t.dMailleRelative,
                               &t.dMailleAbsolue};
    const int champs[] = {CProprietes::ChampTransmittivite, CProprietes::ChampAbsorptivite,
                          CProprietes::ChampMailleRelative, CProprietes::ChampMailleAbsolue};
    for (std::size_t i = 0; i < std::size(champs); ++i) {
        const auto d = ReelDuChamp(champs[i]);
        if (!d) {
            return;
        }
        *valeurs[i] = *d;
    }
    if (!Refuse(m_proprietes.Valider(t))) {
        accept();
    }
}
