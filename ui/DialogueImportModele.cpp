#include "ui/DialogueImportModele.h"

#include "modelling/ImportModele.h"
#include "ui_ImportModele.h"

CDialogueImportModele::CDialogueImportModele(CImportModele& import, const QString& strModele,
                                             int nPolygones, CInteraction& interaction,
                                             QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_import(import),
      m_ui(std::make_unique<Ui::ImportModele>()) {
    m_ui->setupUi(this);
    m_ui->strModele->setText(QStringLiteral("%1: %2 %3")
                                 .arg(strModele)
                                 .arg(nPolygones)
                                 .arg(nPolygones == 1 ? "polygon" : "polygons"));
    Associer(CImportModele::ChampEchelle, m_ui->strEchelle);
    Associer(CImportModele::ChampYHaut, m_ui->bYHaut);

    const CImportModele::CTampon t = m_import.Ouvrir();
    FixerChamp(m_ui->strEchelle, t.strEchelle);
    m_ui->bYHaut->setChecked(t.bYHaut);

    connect(m_ui->importer, &QPushButton::clicked, this, &CDialogueImportModele::Valider);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueImportModele::~CDialogueImportModele() = default;

void CDialogueImportModele::Valider() {
    CImportModele::CTampon t;
    t.strEchelle = TexteChamp(m_ui->strEchelle);
    t.bYHaut = m_ui->bYHaut->isChecked();
    if (!Refuse(m_import.Valider(t))) {
        accept();
    }
}
