#include "ui/ImageDessin.h"

#include "document/Fichier.h"
#include "ui/DCQt.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>

QImage ImageDessin(const CRectangle& cadre, CCouleur fond, const FonctionDessin& dessin,
                   const QFont& police) {
    QImage image(cadre.right - cadre.left, cadre.bottom - cadre.top, QImage::Format_RGB32);
    image.fill(QColor(fond.r, fond.g, fond.b));
    QPainter painter(&image);
    painter.setFont(police);
    painter.translate(-cadre.left, -cadre.top);
    CDCQt dc(painter, cadre);
    dessin(&dc);
    return image;
}

bool EnregistrerPng(const QImage& image, const std::string& chemin, std::string& strErreur) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, "PNG")) {
        strErreur = "The picture could not be made (" + std::to_string(image.width()) + " x " +
                    std::to_string(image.height()) + " pixels).";
        return false;
    }
    return EnregistrerFichier(
        chemin,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(octets.constData()),
                                      static_cast<std::size_t>(octets.size())),
        strErreur);
}

bool EnregistrerDessin(const std::string& chemin, const CRectangle& cadre, CCouleur fond,
                       const FonctionDessin& dessin, const QFont& police, std::string& strErreur) {
    const std::optional<EFormatImage> format = FormatImage(chemin);
    if (!format) {
        strErreur = kMessageFormatImage;
        return false;
    }
    if (*format == EFormatImage::Svg) {
        return EnregistrerTexte(chemin, SvgDessin(cadre, fond, dessin), strErreur);
    }
    return EnregistrerPng(ImageDessin(cadre, fond, dessin, police), chemin, strErreur);
}
