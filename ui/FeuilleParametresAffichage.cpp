#include "ui/FeuilleParametresAffichage.h"

#include "ui/Reglages.h"
#include "ui/Texte.h"
#include "ui_ParametresAffichage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTabBar>

namespace {

using P = CParametresAffichage;

CFeuilleParametres::EPage PageDuChamp(int nChamp) {
    if (nChamp == P::kChampTitre) {
        return CFeuilleParametres::kPageGeneral;
    }
    return nChamp >= P::kChampCible ? CFeuilleParametres::kPageSoleil
                                    : CFeuilleParametres::kPageQuadrillage;
}

void Afficher(QLineEdit* const (&edits)[3], const std::string (&champs)[3]) {
    for (int i = 0; i < 3; ++i) {
        FixerChamp(edits[i], champs[i]);
    }
}

void Lire(QLineEdit* const (&edits)[3], std::string (&champs)[3]) {
    for (int i = 0; i < 3; ++i) {
        champs[i] = TexteChamp(edits[i]);
    }
}

} // namespace

CFeuilleParametresAffichage::CFeuilleParametresAffichage(CParametresAffichage& parametres,
                                                         CInteraction& interaction,
                                                         QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_feuille(parametres),
      m_ui(std::make_unique<Ui::ParametresAffichage>()) {
    m_ui->setupUi(this);
    Ui::ParametresAffichage& u = *m_ui;
    Associer(P::kChampTitre, u.strTitre);
    Associer(P::kChampRepetition, u.strRepetition);
    QLineEdit* const points[4][3] = {{u.strCentreX, u.strCentreY, u.strCentreZ},
                                     {u.strVecteur1X, u.strVecteur1Y, u.strVecteur1Z},
                                     {u.strVecteur2X, u.strVecteur2Y, u.strVecteur2Z},
                                     {u.strCibleX, u.strCibleY, u.strCibleZ}};
    const int premiers[4] = {P::kChampCentre, P::kChampVecteur1, P::kChampVecteur2, P::kChampCible};
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i < 3; ++i) {
            Associer(premiers[k] + i, points[k][i]);
        }
    }
    Associer(P::kChampDistance, u.strDistance);
    // The pages take the grey of the program's dialogs, their white texts
    // with it; the tabs keep the standard colours their labels are read on.
    for (int i = 0; i < u.pages->count(); ++i) {
        u.pages->widget(i)->setAutoFillBackground(true);
    }
    const QPalette standard = QApplication::palette(u.pages->tabBar());
    QPalette onglets = u.pages->tabBar()->palette();
    for (const QPalette::ColorRole role :
         {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText}) {
        onglets.setColor(role, standard.color(role));
    }
    u.pages->tabBar()->setPalette(onglets);
    // The two check boxes whose text stands on their left toggle from it too.
    u.libelleBrillance->installEventFilter(this);
    u.libelleGrosNoeuds->installEventFilter(this);

    m_feuille.m_bCourseSoleil = CourseSoleilAffichee();
    m_nPage = u.pages->currentIndex();
    Montrer(static_cast<EPage>(m_nPage));
    connect(u.pages, &QTabWidget::currentChanged, this, &CFeuilleParametresAffichage::PageChangee);
    connect(u.ok, &QPushButton::clicked, this, &CFeuilleParametresAffichage::Valider);
    connect(u.annuler, &QPushButton::clicked, this, &QDialog::reject);
}

CFeuilleParametresAffichage::~CFeuilleParametresAffichage() = default;

bool CFeuilleParametresAffichage::eventFilter(QObject* pObjet, QEvent* pEvenement) {
    if (pEvenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(pEvenement)->button() == Qt::LeftButton) {
        if (auto* pLibelle = qobject_cast<QLabel*>(pObjet)) {
            if (auto* pCase = qobject_cast<QCheckBox*>(pLibelle->buddy())) {
                pCase->setFocus(Qt::MouseFocusReason);
                pCase->toggle();
                return true;
            }
        }
    }
    return CDialogueVantrel::eventFilter(pObjet, pEvenement);
}

void CFeuilleParametresAffichage::Montrer(EPage page) {
    if (!m_feuille.Montrer(page)) {
        return;
    }
    Ui::ParametresAffichage& u = *m_ui;
    switch (page) {
    case CFeuilleParametres::kPageGeneral: {
        const CAffGeneral::CTampon& t = m_feuille.m_general;
        u.strTitre->setText(DepuisCp1252(t.strTitre));
        u.bTriedreCentral->setChecked(t.bTriedreCentral);
        u.bTriedreInformatif->setChecked(t.bTriedreInformatif);
        u.bDirectionNord->setChecked(t.bDirectionNord);
        u.bElementsTextuels->setChecked(t.bElementsTextuels);
        u.bBrillance->setChecked(t.bBrillance);
        u.bGrosNoeuds->setChecked(t.bGrosNoeuds);
        break;
    }
    case CFeuilleParametres::kPageQuadrillage: {
        const CAffQuadrillage::CTampon& t = m_feuille.m_quadrillage;
        u.bAfficher->setChecked(t.bAfficher);
        u.bSignaler->setChecked(t.bSignaler);
        FixerChamp(u.strRepetition, t.strRepetition);
        Afficher({u.strCentreX, u.strCentreY, u.strCentreZ}, t.strCentre);
        Afficher({u.strVecteur1X, u.strVecteur1Y, u.strVecteur1Z}, t.strVecteur1);
        Afficher({u.strVecteur2X, u.strVecteur2Y, u.strVecteur2Z}, t.strVecteur2);
        break;
    }
    case CFeuilleParametres::kPageSoleil: {
        const CAffSoleil::CTampon& t = m_feuille.m_soleil;
        u.bSoleilProche->setChecked(t.bSoleilProche);
        u.bRayonProche->setChecked(t.bRayonProche);
        u.bCourseSoleil->setChecked(m_feuille.m_bCourseSoleil);
        Afficher({u.strCibleX, u.strCibleY, u.strCibleZ}, t.strCible);
        FixerChamp(u.strDistance, t.strDistance);
        break;
    }
    }
}

CResultatValidation CFeuilleParametresAffichage::Lire(EPage page) {
    Ui::ParametresAffichage& u = *m_ui;
    switch (page) {
    case CFeuilleParametres::kPageGeneral: {
        CAffGeneral::CTampon& t = m_feuille.m_general;
        QString erreur;
        const std::optional<std::string> titre = VersCp1252(u.strTitre->text(), &erreur);
        if (!titre) {
            return CRefus{P::kChampTitre, VersCp1252Affichage(erreur)};
        }
        t.strTitre = *titre;
        t.bTriedreCentral = u.bTriedreCentral->isChecked();
        t.bTriedreInformatif = u.bTriedreInformatif->isChecked();
        t.bDirectionNord = u.bDirectionNord->isChecked();
        t.bElementsTextuels = u.bElementsTextuels->isChecked();
        t.bBrillance = u.bBrillance->isChecked();
        t.bGrosNoeuds = u.bGrosNoeuds->isChecked();
        break;
    }
    case CFeuilleParametres::kPageQuadrillage: {
        CAffQuadrillage::CTampon& t = m_feuille.m_quadrillage;
        t.bAfficher = u.bAfficher->isChecked();
        t.bSignaler = u.bSignaler->isChecked();
        t.strRepetition = TexteChamp(u.strRepetition);
        ::Lire({u.strCentreX, u.strCentreY, u.strCentreZ}, t.strCentre);
        ::Lire({u.strVecteur1X, u.strVecteur1Y, u.strVecteur1Z}, t.strVecteur1);
        ::Lire({u.strVecteur2X, u.strVecteur2Y, u.strVecteur2Z}, t.strVecteur2);
        break;
    }
    case CFeuilleParametres::kPageSoleil: {
        CAffSoleil::CTampon& t = m_feuille.m_soleil;
        t.bSoleilProche = u.bSoleilProche->isChecked();
        t.bRayonProche = u.bRayonProche->isChecked();
        m_feuille.m_bCourseSoleil = u.bCourseSoleil->isChecked();
        ::Lire({u.strCibleX, u.strCibleY, u.strCibleZ}, t.strCible);
        t.strDistance = TexteChamp(u.strDistance);
        break;
    }
    }
    return m_feuille.Quitter(page);
}

void CFeuilleParametresAffichage::PageChangee(int nPage) {
    if (m_bRetour) {
        return;
    }
    if (const CResultatValidation r = Lire(static_cast<EPage>(m_nPage))) {
        Refuser(*r);
        return;
    }
    m_nPage = nPage;
    Montrer(static_cast<EPage>(nPage));
}

void CFeuilleParametresAffichage::Refuser(const CRefus& refus) {
    m_bRetour = true;
    m_ui->pages->setCurrentIndex(PageDuChamp(refus.nChamp));
    m_bRetour = false;
    m_nPage = m_ui->pages->currentIndex();
    Refuse(refus);
}

void CFeuilleParametresAffichage::Valider() {
    CResultatValidation r = Lire(static_cast<EPage>(m_nPage));
    if (!r) {
        r = m_feuille.Valider();
    }
    if (r) {
        Refuser(*r);
        return;
    }
    // The sun's path is the program's setting, not the scene's.
    if (m_feuille.Montree(CFeuilleParametres::kPageSoleil)) {
        AfficherCourseSoleil(m_feuille.m_bCourseSoleil);
    }
    accept();
}
