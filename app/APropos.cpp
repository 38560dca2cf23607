#include "app/APropos.h"

#include "ui/UnitesDialogue.h"
#include "app/Icones.h"
#include "document/Commandes.h"
#include "ui/Texte.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// A static text in its box, widened when the font needs more room.
QLabel* Statique(const char* sz, QRect rectangle, QWidget* pParent) {
    auto* pTexte = new QLabel(DepuisCp1252(sz), pParent);
    rectangle.setWidth(std::max(rectangle.width(), pTexte->sizeHint().width()));
    pTexte->setGeometry(rectangle);
    return pTexte;
}

} // namespace

QString CAPropos::Licence() {
    return QStringLiteral(
        "Vantrel is freeware.\n\n"
        "You may use it at no cost, at home, at school or at work, and give copies of it to "
        "others free of charge, provided that the program, its user guide and this notice stay "
        "together and unchanged. It may not be sold, nor made part of a product that is sold.\n\n"
        "Vantrel comes as it is, without any warranty. Its results are estimates meant for "
        "design studies: check them before relying on them. The author cannot be held liable "
        "for any damage or loss arising from its use.\n\n"
        "Scene files (.vtl) that you make with Vantrel belong to you.");
}

CAPropos::CAPropos(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(QStringLiteral("About Vantrel"));
    const CUnitesDialogue u(font());
    setFixedSize(u.X(220), u.Y(182));

    auto* pIcone = new QLabel(this);
    pIcone->setPixmap(IconeProgramme().pixmap(32, 32));
    pIcone->setGeometry(u.X(11), u.Y(17), 32, 32);

    Statique("Vantrel version 1.4 us  -557", u.Rectangle(41, 13, 100, 8), this);
    Statique("Sunniness optimization", u.Rectangle(41, 23, 100, 8), this);
    Statique("Freeware", u.Rectangle(41, 33, 100, 8), this);
    const std::string strAuteur = std::string("Author ") + kAdresseAuteur;
    Statique(strAuteur.c_str(), u.Rectangle(41, 43, 100, 8), this);
    QLabel* pCredit =
        Statique("English translation by the Vantrel team", u.Rectangle(27, 66, 167, 8), this);
    pCredit->setAlignment(Qt::AlignCenter);

    auto* pLicence = new QPlainTextEdit(Licence(), this);
    pLicence->setObjectName(QStringLiteral("Licence"));
    pLicence->setReadOnly(true);
    pLicence->setGeometry(u.Rectangle(11, 82, 198, 90));

    auto* pOk = new QPushButton(QStringLiteral("OK"), this);
    pOk->setDefault(true);
    pOk->setGeometry(u.Rectangle(160, 17, 40, 22));
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
}
