#include "app/VantrelApp.h"

#include "app/EcranAccueil.h"
#include "app/MainFrame.h"
#include "document/VantrelDoc.h"
#include "ui/Texte.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

CVantrelApp::CVantrelApp() = default;

CVantrelApp::~CVantrelApp() = default;

bool CVantrelApp::InitInstance(const QStringList& arguments, bool bAccueil) {
    QCoreApplication::setOrganizationName(QStringLiteral("VantrelDev"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.4"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vantrel"));

    QCommandLineParser ligne;
    ligne.setApplicationDescription(
        QStringLiteral("Vantrel: direct sunlight on the faces of a building."));
    ligne.addHelpOption();
    ligne.addVersionOption();
    ligne.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A .vtl scene to open."),
                                QStringLiteral("[FILE]"));
    if (!ligne.parse(arguments) || ligne.positionalArguments().size() > 1) {
        const QString erreur = ligne.errorText().isEmpty()
                                   ? QStringLiteral("Only one file can be opened.")
                                   : ligne.errorText();
        std::fprintf(stderr, "vantrel: %s\n%s", qPrintable(erreur), qPrintable(ligne.helpText()));
        return false;
    }
    if (ligne.isSet(QStringLiteral("help"))) {
        std::printf("%s", qPrintable(ligne.helpText()));
        m_nCodeSortie = 0;
        return false;
    }
    if (ligne.isSet(QStringLiteral("version"))) {
        std::printf("Vantrel 1.4\n");
        m_nCodeSortie = 0;
        return false;
    }

    m_pDoc = std::make_unique<CVantrelDoc>(m_interaction);
    m_pFenetre = std::make_unique<CMainFrame>(*m_pDoc, m_interaction);

    const QStringList fichiers = ligne.positionalArguments();
    if (!fichiers.isEmpty() && !m_pFenetre->ChargerAuDemarrage(CheminLocal(fichiers.first()))) {
        return false;
    }

    m_pFenetre->showMaximized();
    if (bAccueil) {
        m_pEcranAccueil = std::make_unique<CEcranAccueil>(m_pFenetre.get());
        m_pEcranAccueil->exec();
    }
    return true;
}
