#include "ui/DialogueOptionsCalcul.h"

#include "document/OptionsCalcul.h"
#include "ui/Texte.h"
#include "ui_OptionsCalcul.h"

CDialogueOptionsCalcul::CDialogueOptionsCalcul(COptionsCalcul& options, CInteraction& interaction,
                                               QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_options(options),
      m_ui(std::make_unique<Ui::OptionsCalcul>()) {
    m_ui->setupUi(this);
    for (const char* szPas : COptionsCalcul::s_textesPas) {
        m_ui->nIndexPas->addItem(DepuisCp1252(szPas));
    }
    Associer(COptionsCalcul::kChampCadence, m_ui->strCadence);
    Associer(COptionsCalcul::kChampPas, m_ui->nIndexPas);
    Associer(COptionsCalcul::kChampPoidsMax, m_ui->strPoidsMax);
    Associer(COptionsCalcul::kChampAnnee, m_ui->strAnnee);

    const CTamponOptionsCalcul t = m_options.Ouvrir();
    FixerChamp(m_ui->strCadence, t.strCadence);
    m_ui->nIndexPas->setCurrentIndex(t.nIndexPas);
    FixerChamp(m_ui->strPoidsMax, t.strPoidsMax);
    FixerChamp(m_ui->strAnnee, t.strAnnee);

    connect(m_ui->valider, &QPushButton::clicked, this, &CDialogueOptionsCalcul::Valider);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueOptionsCalcul::~CDialogueOptionsCalcul() = default;

void CDialogueOptionsCalcul::Valider() {
    CTamponOptionsCalcul t;
    t.strCadence = TexteChamp(m_ui->strCadence);
    t.nIndexPas = m_ui->nIndexPas->currentIndex();
    t.strPoidsMax = TexteChamp(m_ui->strPoidsMax);
    t.strAnnee = TexteChamp(m_ui->strAnnee);
    if (!Refuse(m_options.Valider(t))) {
        accept();
    }
}
