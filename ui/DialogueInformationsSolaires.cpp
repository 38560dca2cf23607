#include "ui/DialogueInformationsSolaires.h"

#include "solar/InformationsSolaires.h"
#include "solar/PositionSoleil.h"
#include "ui/Texte.h"
#include "ui_InformationsSolaires.h"

#include <QSignalBlocker>

CDialogueInformationsSolaires::CDialogueInformationsSolaires(CInformationsSolaires& informations,
                                                             CInteraction& interaction,
                                                             QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_informations(informations),
      m_ui(std::make_unique<Ui::InformationsSolaires>()) {
    m_ui->setupUi(this);
    for (const char* szDate : CPositionSoleil::s_dates) {
        m_ui->nIndexDate->addItem(DepuisCp1252(szDate));
    }
    MarquerLectureSeule(this);
    m_informations.Ouvrir();
    Montrer();
    connect(m_ui->nIndexDate, &QComboBox::currentIndexChanged, this,
            &CDialogueInformationsSolaires::ChoisirDate);
    connect(m_ui->fermer, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueInformationsSolaires::~CDialogueInformationsSolaires() = default;

void CDialogueInformationsSolaires::ChoisirDate(int nIndexDate) {
    m_informations.ChoisirDate(nIndexDate);
    Montrer();
}

void CDialogueInformationsSolaires::Montrer() {
    const CTamponInformationsSolaires t = m_informations.Montrer();
    {
        const QSignalBlocker bloque(m_ui->nIndexDate);
        m_ui->nIndexDate->setCurrentIndex(t.nIndexDate);
    }
    FixerChamp(m_ui->strDureeJour, t.strDureeJour);
    FixerChamp(m_ui->strDureeJourPourcent, t.strDureeJourPourcent);
    FixerChamp(m_ui->strAltitudeZenith, t.strAltitudeZenith);
    FixerChamp(m_ui->strHeureZenith, t.strHeureZenith);
    FixerChamp(m_ui->strMinuteZenith, t.strMinuteZenith);
}
