#include "ui/FenetrePointsPrincipaux.h"

#include "document/VantrelDoc.h"
#include "ui/ChampsCoordonnees.h"
#include "ui/Texte.h"
#include "ui/UnitesDialogue.h"
#include "ui_PointsPrincipaux.h"

#include <QFocusEvent>

#include <algorithm>

namespace {

// Left edge of each point column, in dialog units.
constexpr int kColonnesX[4] = {24, 67, 110, 153};
constexpr int kLignesY[3] = {26, 41, 56};

} // namespace

CFenetrePointsPrincipaux::CFenetrePointsPrincipaux(CVantrelDoc& doc, CInteraction& interaction,
                                                   QWidget* pParent)
    : CDialogueVantrel(interaction, pParent), m_doc(doc),
      m_ui(std::make_unique<Ui::PointsPrincipaux>()) {
    m_ui->setupUi(this);
    Ui::PointsPrincipaux& u = *m_ui;
    QLineEdit* const edits[4][3] = {{u.points0X, u.points0Y, u.points0Z},
                                    {u.points1X, u.points1Y, u.points1Z},
                                    {u.points2X, u.points2Y, u.points2Z},
                                    {u.points3X, u.points3Y, u.points3Z}};

    // The layout of the window, in dialog units.
    const CUnitesDialogue d(font());
    setFixedSize(d.X(200), d.Y(100));
    u.strTitre->setGeometry(d.Rectangle(7, 7, 186, 12));
    QLabel* const libelles[3] = {u.libelleX, u.libelleY, u.libelleZ};
    for (int a = 0; a < 3; ++a) {
        QRect r = d.Rectangle(7, kLignesY[a] + 2, 13, 8);
        r.setWidth(std::max(r.width(), libelles[a]->sizeHint().width()));
        libelles[a]->setGeometry(r);
    }
    for (int c = 0; c < 4; ++c) {
        for (int a = 0; a < 3; ++a) {
            m_edits[c][a] = edits[c][a];
            edits[c][a]->setGeometry(d.Rectangle(kColonnesX[c], kLignesY[a], 40, 12));
            edits[c][a]->installEventFilter(this);
            Associer(c * 3 + a, edits[c][a]);
        }
    }
    u.fermer->setGeometry(d.Rectangle(7, 79, 50, 14));
    u.voir->setGeometry(d.Rectangle(59, 79, 30, 14));
    u.restaurer->setGeometry(d.Rectangle(92, 79, 50, 14));
    u.valider->setGeometry(d.Rectangle(143, 79, 50, 14));

    connect(u.fermer, &QPushButton::clicked, this, &CFenetrePointsPrincipaux::reject);
    connect(u.voir, &QPushButton::clicked, this, &CFenetrePointsPrincipaux::Voir);
    connect(u.restaurer, &QPushButton::clicked, this, &CFenetrePointsPrincipaux::Restaurer);
    connect(u.valider, &QPushButton::clicked, this, &CFenetrePointsPrincipaux::Valider);
}

CFenetrePointsPrincipaux::~CFenetrePointsPrincipaux() = default;

CFace& CFenetrePointsPrincipaux::Face() const {
    // The window is open only while there is a selected face: the commands
    // that remove faces are disabled meanwhile and a new document closes it.
    return *m_doc.Face(-1);
}

void CFenetrePointsPrincipaux::Ouvrir() {
    const CTamponPoints t = OuvrirPointsPrincipaux(m_doc, Face());
    Afficher(t);
    // The three-point kinds have no fourth column; its labels stay.
    for (int a = 0; a < 3; ++a) {
        Edit(3, a)->setVisible(t.nColonnes == 4);
    }
}

void CFenetrePointsPrincipaux::Afficher(const CTamponPoints& t) {
    m_ui->strTitre->setText(DepuisCp1252(t.strTitre));
    for (int c = 0; c < 4; ++c) {
        FixerCoordonnee(Edit(c, 0), t.points[c].m_x);
        FixerCoordonnee(Edit(c, 1), t.points[c].m_y);
        FixerCoordonnee(Edit(c, 2), t.points[c].m_z);
    }
}

bool CFenetrePointsPrincipaux::Lire(CTamponPoints& t) {
    t = CTamponPoints{};
    t.nColonnes = Face().m_nPoints;
    for (int c = 0; c < 4; ++c) {
        double xyz[3] = {0, 0, 0};
        for (int a = 0; a < 3; ++a) {
            if (Refuse(LireCoordonnee(Edit(c, a), c * 3 + a, xyz[a]))) {
                return false;
            }
        }
        t.points[c].Fixe(xyz[0], xyz[1], xyz[2]);
    }
    return true;
}

void CFenetrePointsPrincipaux::Voir() {
    CTamponPoints t;
    if (Lire(t)) {
        VoirPoints(m_doc, Face(), t);
    }
}

void CFenetrePointsPrincipaux::Restaurer() {
    Afficher(RestaurerPoints(m_doc, Face()));
}

void CFenetrePointsPrincipaux::Valider() {
    CTamponPoints t;
    if (Lire(t)) {
        ValiderPoints(m_doc, Face(), t);
        Afficher(t);
    }
}

void CFenetrePointsPrincipaux::PlacerPoint(const CVecteur& p) {
    CTamponPoints t;
    if (PlacerPointPrincipal(Face(), p, t)) {
        Afficher(t);
    }
}

void CFenetrePointsPrincipaux::reject() {
    // The document clears its flag and deletes the copy, then has the
    // window layer destroy this window.
    if (m_doc.m_bPointsPrincipauxOuverts) {
        FermerPointsPrincipaux(m_doc, Face());
    }
    hide();
}

bool CFenetrePointsPrincipaux::eventFilter(QObject* pObjet, QEvent* pEvenement) {
    if (pEvenement->type() == QEvent::FocusIn) {
        for (int c = 0; c < 4; ++c) {
            for (int a = 0; a < 3; ++a) {
                if (pObjet == Edit(c, a)) {
                    Face().m_nFocus = c;
                }
            }
        }
    }
    return CDialogueVantrel::eventFilter(pObjet, pEvenement);
}
