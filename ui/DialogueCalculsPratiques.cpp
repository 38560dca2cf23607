#include "ui/DialogueCalculsPratiques.h"

#include "solar/CalculsPratiques.h"
#include "ui_CalculsPratiques.h"

#include <QApplication>

CDialogueCalculsPratiques::CDialogueCalculsPratiques(CCalculsPratiques& calculs,
                                                     CInteraction& interaction, QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_calculs(calculs),
      m_ui(std::make_unique<Ui::CalculsPratiques>()) {
    m_ui->setupUi(this);
    Associer(CCalculsPratiques::kChampAvancee, m_ui->strAvancee);
    Associer(CCalculsPratiques::kChampTaillePanneaux, m_ui->strTaillePanneaux);
    Associer(CCalculsPratiques::kChampAltitudeAuvent, m_ui->strAltitudeAuvent);
    Associer(CCalculsPratiques::kChampAltitudePanneaux, m_ui->strAltitudePanneaux);
    Associer(CCalculsPratiques::kChampInclinaisonPanneaux, m_ui->strInclinaisonPanneaux);

    MarquerLectureSeule(this);
    Montrer(m_calculs.Ouvrir());

    connect(m_ui->calculerAuvent, &QPushButton::clicked, this,
            &CDialogueCalculsPratiques::CalculerAuvent);
    connect(m_ui->calculerPanneaux, &QPushButton::clicked, this,
            &CDialogueCalculsPratiques::CalculerPanneaux);
    connect(m_ui->fermer, &QPushButton::clicked, this, &QDialog::reject);
    m_suiviFocus = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget*, QWidget* pFocus) { SuivreFocus(pFocus); });
}

// The base destructor clears the focus of the fields, which signals while this
// part is already gone.
CDialogueCalculsPratiques::~CDialogueCalculsPratiques() {
    disconnect(m_suiviFocus);
}

CTamponCalculsPratiques CDialogueCalculsPratiques::Lire() const {
    CTamponCalculsPratiques t;
    t.strAvancee = TexteChamp(m_ui->strAvancee);
    t.strTaillePanneaux = TexteChamp(m_ui->strTaillePanneaux);
    t.strAltitudeAuvent = TexteChamp(m_ui->strAltitudeAuvent);
    t.strAltitudePanneaux = TexteChamp(m_ui->strAltitudePanneaux);
    t.strInclinaisonPanneaux = TexteChamp(m_ui->strInclinaisonPanneaux);
    t.strEspacement = TexteChamp(m_ui->strEspacement);
    t.strDescenteOmbre = TexteChamp(m_ui->strDescenteOmbre);
    t.strInclinaisonEte = TexteChamp(m_ui->strInclinaisonEte);
    t.strInclinaisonHiver = TexteChamp(m_ui->strInclinaisonHiver);
    return t;
}

void CDialogueCalculsPratiques::Montrer(const CTamponCalculsPratiques& t) {
    FixerChamp(m_ui->strAvancee, t.strAvancee);
    FixerChamp(m_ui->strTaillePanneaux, t.strTaillePanneaux);
    FixerChamp(m_ui->strAltitudeAuvent, t.strAltitudeAuvent);
    FixerChamp(m_ui->strAltitudePanneaux, t.strAltitudePanneaux);
    FixerChamp(m_ui->strInclinaisonPanneaux, t.strInclinaisonPanneaux);
    FixerChamp(m_ui->strEspacement, t.strEspacement);
    FixerChamp(m_ui->strDescenteOmbre, t.strDescenteOmbre);
    FixerChamp(m_ui->strInclinaisonEte, t.strInclinaisonEte);
    FixerChamp(m_ui->strInclinaisonHiver, t.strInclinaisonHiver);
}

void CDialogueCalculsPratiques::CalculerAuvent() {
    CTamponCalculsPratiques t = Lire();
    if (!Refuse(m_calculs.CalculerAuvent(t))) {
        Montrer(t);
    }
}

void CDialogueCalculsPratiques::CalculerPanneaux() {
    CTamponCalculsPratiques t = Lire();
    if (!Refuse(m_calculs.CalculerPanneaux(t))) {
        Montrer(t);
    }
}

void CDialogueCalculsPratiques::SuivreFocus(QWidget* pFocus) {
    // Enter computes the group the user is typing in.
    if (m_ui->groupeAuvent->isAncestorOf(pFocus)) {
        m_ui->calculerAuvent->setDefault(true);
    } else if (m_ui->groupePanneaux->isAncestorOf(pFocus)) {
        m_ui->calculerPanneaux->setDefault(true);
    }
}
