#include "ui/FenetreEclairement.h"

#include "document/VantrelDoc.h"
#include "solar/Saisie.h"
#include "ui_EclairementRecepteurs.h"

CFenetreEclairement::CFenetreEclairement(CVantrelDoc& doc, CInteraction& interaction,
                                         QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_doc(doc),
      m_ui(std::make_unique<Ui::EclairementRecepteurs>()) {
    m_ui->setupUi(this);
    setWindowFlag(Qt::Tool);
    m_ui->bAutoCalcul->setChecked(m_doc.m_eclairementRecepteurs.m_bAutoCalcul != 0);
    Montrer();
    connect(m_ui->bAutoCalcul, &QPushButton::clicked, this,
            &CFenetreEclairement::ChoisirAutoCalcul);
    connect(m_ui->fermer, &QPushButton::clicked, this, &CFenetreEclairement::reject);
}

CFenetreEclairement::~CFenetreEclairement() = default;

void CFenetreEclairement::Montrer() {
    const CEclairementRecepteurs& e = m_doc.m_eclairementRecepteurs;
    FixerChamp(m_ui->strEquivalent, TexteResultat(e.m_dEquivalent));
    FixerChamp(m_ui->strIncidence, TexteResultat(e.m_dIncidence));
}

void CFenetreEclairement::reject() {
    if (m_doc.m_bEclairementOuvert) {
        m_doc.FermerEclairement();
    } else {
        CDialogueVantrel::reject();
    }
}

void CFenetreEclairement::ChoisirAutoCalcul(bool bAuto) {
    m_doc.ChoisirAutoCalcul(bAuto);
    Montrer();
}
