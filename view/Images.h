#pragma once

#include "platform/DC.h"
#include "platform/Interaction.h"
#include "platform/Validation.h"

#include <functional>
#include <optional>
#include <string>

// Pictures of the charts and of the 3-D view, for a report.

enum class EFormatImage { Png, Svg };

// The format named by a file's extension (".png" or ".svg", in any case), or
// nothing.
std::optional<EFormatImage> FormatImage(const std::string& chemin);
extern const char* const kMessageFormatImage; // neither .png nor .svg

// "Save the chart...": PNG or SVG, the file chosen with its overwrite question.
CChoixFichier ChoixImageGraphique();
// "Save the view as a picture...": PNG.
CChoixFichier ChoixImageVue();

// What a chart's picture covers, in the chart's own pixels: the dialog's
// chart area at the dialog's smallest size, every text of the chart inside.
// Both charts are pictured on the grey of the dialogs they are drawn on,
// which their yellow and white strokes are chosen for.
inline constexpr CRectangle g_cadreGraphiqueBilan{112, 0, 580, 372};
inline constexpr CRectangle g_cadreGraphiqueProblemeInverse{128, 0, 580, 372};
inline constexpr CCouleur g_couleurFondGraphique{128, 128, 128};

using FonctionDessin = std::function<void(CDC*)>;

// The SVG document of a drawing over the frame, on the background colour.
std::string SvgDessin(const CRectangle& cadre, CCouleur fond, const FonctionDessin& dessin);

// The size of a picture of the view, in pixels, as typed in its dialog.
struct CTailleImage {
    enum EChamp : int { kChampLargeur, kChampHauteur };
    // Past this a picture takes hundreds of megabytes.
    static constexpr CPlageEntier kPlage{16, 8192};

    std::string strLargeur;
    std::string strHauteur;

    // The fields for a size (the view's own, by default).
    static CTailleImage Ouvrir(int nLargeur, int nHauteur);
    // Both fields read as whole numbers within the range, or the first refused.
    CResultatValidation Lire(int& nLargeur, int& nHauteur) const;
};
