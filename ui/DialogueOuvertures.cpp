#include "ui/DialogueOuvertures.h"

#include "document/Ouvertures.h"
#include "modelling/GeometrieFace.h"
#include "solar/Saisie.h"
#include "ui/DialoguesFaces.h"
#include "ui_GeometrieFace.h"
#include "ui_Ouvertures.h"

#include <QButtonGroup>

CDialogueOuvertures::CDialogueOuvertures(COuvertures& ouvertures, CInteraction& interaction,
                                         QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_ouvertures(ouvertures),
      m_ui(std::make_unique<Ui::Ouvertures>()), m_pModes(new QButtonGroup(this)) {
    m_ui->setupUi(this);
    m_pModes->addButton(m_ui->mode0, COuvertures::SansChangement);
    m_pModes->addButton(m_ui->mode1, COuvertures::SoustraireOuvertures);
    m_pModes->addButton(m_ui->mode2, COuvertures::SoustraireValeur);
    Associer(COuvertures::ChampValeur, m_ui->dValeur);
    Associer(COuvertures::ChampTransmittiviteForcee, m_ui->dTransmittiviteForcee);

    const COuvertures::CTampon t = m_ouvertures.Ouvrir();
    RemplirListe(m_ui->selection, t.libelles, t.selection);
    m_nModeInitial = t.nMode;
    if (QAbstractButton* pMode = m_pModes->button(t.nMode)) {
        pMode->setChecked(true);
    }
    FixerChamp(m_ui->dValeur, TexteReel(t.dValeur));
    FixerChamp(m_ui->dTransmittiviteForcee, TexteReel(t.dTransmittiviteForcee));
    m_ui->bForcer->setChecked(t.bForcer);

    connect(m_ui->valider, &QPushButton::clicked, this, &CDialogueOuvertures::Valider);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueOuvertures::~CDialogueOuvertures() = default;

void CDialogueOuvertures::Valider() {
    const auto dValeur = ReelDuChamp(COuvertures::ChampValeur);
    if (!dValeur) {
        return;
    }
    const auto dForcee = ReelDuChamp(COuvertures::ChampTransmittiviteForcee);
    if (!dForcee) {
        return;
    }
    COuvertures::CTampon t;
    t.selection = SelectionListe(m_ui->selection);
    // With no button checked (an unknown mode read from a file) the mode stays.
    t.nMode = m_pModes->checkedId() < 0 ? m_nModeInitial : m_pModes->checkedId();
    t.dValeur = *dValeur;
    t.dTransmittiviteForcee = *dForcee;
    t.bForcer = m_ui->bForcer->isChecked();
    if (!Refuse(m_ouvertures.Valider(t))) {
        accept();
    }
}

CDialogueGeometrieFace::CDialogueGeometrieFace(CGeometrieFace& geometrie, double dDirectionNord,
                                               CInteraction& interaction, QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_ui(std::make_unique<Ui::GeometrieFace>()) {
    m_ui->setupUi(this);
    geometrie.Ouvrir(dDirectionNord);
    FixerChamp(m_ui->dAire, TexteResultat(geometrie.m_dAire));
    FixerChamp(m_ui->dAireOuvertures, TexteResultat(geometrie.m_dAireOuvertures));
    FixerChamp(m_ui->dAireRetenue, TexteResultat(geometrie.m_dAireRetenue));
    FixerChamp(m_ui->dOrientation, TexteResultat(geometrie.m_dOrientation));
    FixerChamp(m_ui->dInclinaison, TexteResultat(geometrie.m_dInclinaison));
    MarquerLectureSeule(this);
    connect(m_ui->fermer, &QPushButton::clicked, this, &QDialog::accept);
}

CDialogueGeometrieFace::~CDialogueGeometrieFace() = default;
