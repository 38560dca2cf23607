// Pictures of the charts, for the commands' --chart.
#include "cli/Images.h"

#include "cli/Console.h"
#include "document/Fichier.h"

#ifdef VANTREL_PNG
#include "ui/ImageDessin.h"

#include <QFont>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#endif

namespace {

#ifdef VANTREL_PNG
// The offscreen platform's notes (no runtime folder, no window manager)
// would mix with the tool's own messages; Qt's errors still show.
void MessageQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "vantrel-cli: %s\n", qPrintable(message));
    }
}

// Qt paints texts only under an application object, made for the picture
// and gone with it; the offscreen platform needs no display.
class CApplicationQt {
public:
    CApplicationQt() {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        qInstallMessageHandler(MessageQt);
        m_pApplication = std::make_unique<QGuiApplication>(m_nArguments, m_arguments);
    }

private:
    int m_nArguments = 1;
    char m_szNom[12] = "vantrel-cli";
    char* m_arguments[2] = {m_szNom, nullptr};
    std::unique_ptr<QGuiApplication> m_pApplication;
};
#endif

} // namespace

void VerifierImage(const std::string& chemin) {
    const std::optional<EFormatImage> format = FormatImage(chemin);
    if (!format) {
        ErreurUsage(std::string("--chart: ") + kMessageFormatImage);
    }
#ifndef VANTREL_PNG
    if (*format == EFormatImage::Png) {
        ErreurUsage("--chart: this vantrel-cli was built without Qt, which paints PNG pictures; "
                    "write a .svg file instead");
    }
#endif
}

void EnregistrerGraphique(const std::string& chemin, const CRectangle& cadre,
                          const FonctionDessin& dessin) {
    VerifierImage(chemin);
    std::string strErreur;
    bool bEcrit = false;
    if (FormatImage(chemin) == EFormatImage::Svg) {
        bEcrit =
            EnregistrerTexte(chemin, SvgDessin(cadre, g_couleurFondGraphique, dessin), strErreur);
    } else {
#ifdef VANTREL_PNG
        const CApplicationQt application;
        bEcrit = EnregistrerDessin(chemin, cadre, g_couleurFondGraphique, dessin,
                                   QGuiApplication::font(), strErreur);
#endif
    }
    if (!bEcrit) {
        ErreurFichier(strErreur);
    }
}
