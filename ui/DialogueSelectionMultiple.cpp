#include "ui/DialogueSelectionMultiple.h"

#include "ui/Texte.h"
#include "ui_SelectionMultiple.h"

CDialogueSelectionMultiple::CDialogueSelectionMultiple(CSelectionMultiple::CTampon& tampon,
                                                       CInteraction& interaction, QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_tampon(tampon),
      m_ui(std::make_unique<Ui::SelectionMultiple>()) {
    m_ui->setupUi(this);
    m_ui->strConsigne->setText(DepuisCp1252(tampon.strConsigne));
    for (std::size_t j = 0; j < tampon.libelles.size(); ++j) {
        m_ui->selection->addItem(DepuisCp1252(tampon.libelles[j]));
        m_ui->selection->item(static_cast<int>(j))->setSelected(tampon.selection[j]);
    }
    m_ui->selection->setFocus();
    connect(m_ui->valider, &QPushButton::clicked, this, &CDialogueSelectionMultiple::Valider);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueSelectionMultiple::~CDialogueSelectionMultiple() = default;

void CDialogueSelectionMultiple::Valider() {
    for (std::size_t j = 0; j < m_tampon.selection.size(); ++j) {
        m_tampon.selection[j] = m_ui->selection->item(static_cast<int>(j))->isSelected();
    }
    accept();
}
