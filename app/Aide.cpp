#include "app/Aide.h"

#include "document/Commandes.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

QString CheminGuide() {
    const QDir dossier(QCoreApplication::applicationDirPath());
    // Installed: bin/ beside share/; built: the programs lie one or two
    // folders below the build tree's share/.
    for (const char* szRelatif :
         {"../share/vantrel/guide.html", "../../share/vantrel/guide.html"}) {
        const QFileInfo guide(dossier.filePath(QString::fromLatin1(szRelatif)));
        if (guide.isFile()) {
            return guide.canonicalFilePath();
        }
    }
    return {};
}

QUrl UrlSite() {
    return QUrl(QString::fromLatin1(kAdresseSite));
}

QUrl UrlContact() {
    return QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kAdresseAuteur));
}

void OuvrirAide() {
    const QString guide = CheminGuide();
    if (!guide.isEmpty()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(guide));
    }
}

void OuvrirSite() {
    QDesktopServices::openUrl(UrlSite());
}

void ContacterAuteur() {
    QDesktopServices::openUrl(UrlContact());
}
