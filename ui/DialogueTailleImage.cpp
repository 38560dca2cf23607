#include "ui/DialogueTailleImage.h"

#include "ui/Texte.h"
#include "ui_TailleImage.h"
#include "view/Images.h"

CDialogueTailleImage::CDialogueTailleImage(QSize tailleVue, CInteraction& interaction,
                                           QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_ui(std::make_unique<Ui::TailleImage>()),
      m_taille(tailleVue) {
    m_ui->setupUi(this);
    Associer(CTailleImage::kChampLargeur, m_ui->strLargeur);
    Associer(CTailleImage::kChampHauteur, m_ui->strHauteur);
    Afficher(tailleVue);
    connect(m_ui->tailleVue, &QPushButton::clicked, this,
            [this, tailleVue] { Afficher(tailleVue); });
    connect(m_ui->valider, &QPushButton::clicked, this, &CDialogueTailleImage::Valider);
    connect(m_ui->annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogueTailleImage::~CDialogueTailleImage() = default;

void CDialogueTailleImage::Afficher(QSize taille) {
    const CTailleImage t = CTailleImage::Ouvrir(taille.width(), taille.height());
    FixerChamp(m_ui->strLargeur, t.strLargeur);
    FixerChamp(m_ui->strHauteur, t.strHauteur);
}

void CDialogueTailleImage::Valider() {
    const CTailleImage t{TexteChamp(m_ui->strLargeur), TexteChamp(m_ui->strHauteur)};
    int nLargeur = 0;
    int nHauteur = 0;
    if (!Refuse(t.Lire(nLargeur, nHauteur))) {
        m_taille = QSize(nLargeur, nHauteur);
        accept();
    }
}
