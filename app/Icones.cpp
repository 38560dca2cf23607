#include "app/Icones.h"

#include "document/Commandes.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

const char* NomIcone(int nId) {
    switch (nId) {
    case ID_NOUVEAU:
        return "nouveau";
    case ID_OUVRIR:
        return "ouvrir";
    case ID_ENREGISTRER:
        return "enregistrer";
    case ID_ORIENTATION_STANDARD:
        return "orientation";
    case ID_COORDONNEES:
        return "coordonnees";
    case ID_COTE_ETUDE:
        return "cote-etude";
    case ID_PARAMETRES_AFFICHAGE:
        return "parametres";
    case ID_CONFIGURATION_GEOGRAPHIQUE:
        return "configuration";
    case ID_SELECTIONNER_FACE:
        return "selectionner";
    case ID_INSERER_FACE:
        return "inserer";
    case ID_SUPPRIMER_FACE:
        return "supprimer";
    case ID_RECEPTEUR:
        return "recepteur";
    case ID_COTE_INVERSE:
        return "cote-inverse";
    case ID_PROPRIETES:
        return "proprietes";
    case ID_OUVERTURES:
        return "ouvertures";
    case ID_POINTS_PRINCIPAUX:
        return "points";
    case ID_TRANSFORMATIONS:
        return "transformations";
    case ID_POSITION_SOLEIL:
        return "soleil";
    case ID_ECLAIREMENT:
        return "eclairement";
    case ID_BILAN_JOURNALIER:
        return "bilan";
    case ID_AIDE:
        return "aide";
    case ID_A_PROPOS:
        return "a-propos";
    default:
        return nullptr;
    }
}

QPixmap Rendre(const QString& ressource, QSize taille, qreal dEchelle) {
    QSvgRenderer rendu(ressource);
    if (!rendu.isValid()) {
        return {};
    }
    QImage image(taille * dEchelle, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    rendu.render(&painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(dEchelle);
    return pixmap;
}

} // namespace

QIcon IconeCommande(int nId) {
    const char* szNom = NomIcone(nId);
    if (szNom == nullptr) {
        return {};
    }
    const QString ressource = QStringLiteral(":/vantrel/icones/%1.svg").arg(QLatin1String(szNom));
    QIcon icone;
    // The images are drawn on the 16 x 15 grid; the double size serves
    // high-density screens.
    for (const qreal dEchelle : {1.0, 2.0}) {
        const QPixmap pixmap = Rendre(ressource, QSize(16, 15), dEchelle);
        if (!pixmap.isNull()) {
            icone.addPixmap(pixmap);
        }
    }
    return icone;
}

QIcon IconeProgramme() {
    QIcon icone;
    for (const int n : {16, 32, 48, 64, 128}) {
        icone.addPixmap(Rendre(QStringLiteral(":/vantrel/vantrel.svg"), QSize(n, n), 1.0));
    }
    return icone;
}

QPixmap ImageAccueil() {
    return Rendre(QStringLiteral(":/vantrel/accueil.svg"), QSize(490, 196), 1.0);
}
