#include "ui/DialogueConfigurationGeographique.h"

#include "solar/ConfigurationGeographique.h"
#include "ui/Texte.h"
#include "ui_ConfigurationGeographique.h"

#include <QSignalBlocker>

CDialogueConfigurationGeographique::CDialogueConfigurationGeographique(
    CConfigurationGeographique& site, CInteraction& interaction, QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_site(site),
      m_ui(std::make_unique<Ui::ConfigurationGeographique>()) {
    m_ui->setupUi(this);
    // Table order, unsorted: a row's index is its place in the list.
    for (const CVille& ville : m_site.m_villes) {
        m_ui->nLieu->addItem(DepuisCp1252(ville.m_strNom));
    }
    Associer(CConfigurationGeographique::kChampLatitude, m_ui->strLatitude);
    Associer(CConfigurationGeographique::kChampLongitude, m_ui->strLongitude);
    Associer(CConfigurationGeographique::kChampDirectionNord, m_ui->strDirectionNord);
    Associer(CConfigurationGeographique::kChampLigneHorizon, m_ui->strLigneHorizon);

    Montrer(m_site.Ouvrir());

    connect(m_ui->nLieu, &QComboBox::currentIndexChanged, this,
            &CDialogueConfigurationGeographique::ChoisirLieu);
    connect(m_ui->bIgnorerLongitude, &QCheckBox::toggled, this,
            &CDialogueConfigurationGeographique::CocherIgnorerLongitude);
    connect(m_ui->valider, &QPushButton::clicked, this,
            &CDialogueConfigurationGeographique::Valider);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueConfigurationGeographique::~CDialogueConfigurationGeographique() = default;

CTamponConfigurationGeographique CDialogueConfigurationGeographique::Lire() const {
    CTamponConfigurationGeographique t;
    t.nLieu = m_ui->nLieu->currentIndex();
    t.strLatitude = TexteChamp(m_ui->strLatitude);
    t.strLongitude = TexteChamp(m_ui->strLongitude);
    t.bCoordonneesLectureSeule = m_ui->strLatitude->isReadOnly();
    t.bIgnorerLongitude = m_ui->bIgnorerLongitude->isChecked();
    t.bLongitudeActive = m_ui->strLongitude->isEnabled();
    t.strDirectionNord = TexteChamp(m_ui->strDirectionNord);
    t.strLigneHorizon = TexteChamp(m_ui->strLigneHorizon);
    return t;
}

void CDialogueConfigurationGeographique::Montrer(const CTamponConfigurationGeographique& t) {
    {
        // The rules have run already: showing their result must not rerun them.
        const QSignalBlocker bloqueLieu(m_ui->nLieu);
        const QSignalBlocker bloqueCase(m_ui->bIgnorerLongitude);
        m_ui->nLieu->setCurrentIndex(t.nLieu);
        m_ui->bIgnorerLongitude->setChecked(t.bIgnorerLongitude);
    }
    FixerChamp(m_ui->strLatitude, t.strLatitude);
    FixerChamp(m_ui->strLongitude, t.strLongitude);
    m_ui->strLatitude->setReadOnly(t.bCoordonneesLectureSeule);
    m_ui->strLongitude->setReadOnly(t.bCoordonneesLectureSeule);
    m_ui->strLongitude->setEnabled(t.bLongitudeActive);
    FixerChamp(m_ui->strDirectionNord, t.strDirectionNord);
    FixerChamp(m_ui->strLigneHorizon, t.strLigneHorizon);
    MarquerLectureSeule(this);
}

void CDialogueConfigurationGeographique::ChoisirLieu(int nLieu) {
    CTamponConfigurationGeographique t = Lire();
    m_site.ChoisirLieu(t, nLieu);
    Montrer(t);
}

void CDialogueConfigurationGeographique::CocherIgnorerLongitude(bool bCoche) {
    CTamponConfigurationGeographique t = Lire();
    CConfigurationGeographique::CocherIgnorerLongitude(t, bCoche);
    Montrer(t);
}

void CDialogueConfigurationGeographique::Valider() {
    if (!Refuse(m_site.Valider(Lire()))) {
        accept();
    }
}
