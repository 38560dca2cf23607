#include "view/Images.h"

#include "platform/DCSvg.h"
#include "solar/Saisie.h"

#include <cctype>

const char* const kMessageFormatImage = "The picture must be saved as a .png or a .svg file.";

std::optional<EFormatImage> FormatImage(const std::string& chemin) {
    const std::size_t nPoint = chemin.rfind('.');
    if (nPoint == std::string::npos || chemin.find('/', nPoint) != std::string::npos) {
        return std::nullopt;
    }
    std::string extension = chemin.substr(nPoint + 1);
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (extension == "png") {
        return EFormatImage::Png;
    }
    if (extension == "svg") {
        return EFormatImage::Svg;
    }
    return std::nullopt;
}

CChoixFichier ChoixImageGraphique() {
    return CChoixFichier{.strTitre = "Save the chart as",
                         .strNomInitial = "chart",
                         .strExtension = "png",
                         .strFiltre = "Pictures (*.png *.svg)",
                         .bConfirmerEcrasement = true};
}

CChoixFichier ChoixImageVue() {
    return CChoixFichier{.strTitre = "Save the view as",
                         .strNomInitial = "view",
                         .strExtension = "png",
                         .strFiltre = "PNG pictures (*.png)",
                         .bConfirmerEcrasement = true};
}

std::string SvgDessin(const CRectangle& cadre, CCouleur fond, const FonctionDessin& dessin) {
    CDCSvg dc(cadre, fond);
    dessin(&dc);
    return dc.Texte();
}

CTailleImage CTailleImage::Ouvrir(int nLargeur, int nHauteur) {
    return CTailleImage{std::to_string(nLargeur), std::to_string(nHauteur)};
}

CResultatValidation CTailleImage::Lire(int& nLargeur, int& nHauteur) const {
    int l = 0;
    int h = 0;
    if (auto r = LireChampEntier(kChampLargeur, strLargeur, kPlage.nMin, kPlage.nMax, l)) {
        return r;
    }
    if (auto r = LireChampEntier(kChampHauteur, strHauteur, kPlage.nMin, kPlage.nMax, h)) {
        return r;
    }
    nLargeur = l;
    nHauteur = h;
    return std::nullopt;
}
