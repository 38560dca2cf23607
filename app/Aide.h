#pragma once

#include <QString>
#include <QUrl>

// The commands of the "&?" menu hand a page, a web address or an e-mail to
// the desktop; what the desktop then does is its own affair.

// The user guide that ships with the program: beside the program's folder
// once installed (share/vantrel/), or in the build tree; empty when absent.
QString CheminGuide();

QUrl UrlSite();
QUrl UrlContact();

void OuvrirAide();
void OuvrirSite();
void ContacterAuteur();
