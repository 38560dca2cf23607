#pragma once

#include "ui/InteractionQt.h"

#include <QStringList>

#include <memory>

class CEcranAccueil;
class CMainFrame;
class CVantrelDoc;

// The program: its one document, its main window and its splash screen.
class CVantrelApp {
public:
    CVantrelApp();
    ~CVantrelApp();
    CVantrelApp(const CVantrelApp&) = delete;
    CVantrelApp& operator=(const CVantrelApp&) = delete;

    // Start-up, in order: the names the settings would be kept under (no
    // settings and no recent-file list are stored), the document and the
    // main window, the command line (`vantrel [FILE]`: the file is opened,
    // otherwise the document is new), the main window maximised and open to
    // dropped files, then the splash screen (when bAccueil). False when the
    // command line is wrong or its file cannot be read, after saying why:
    // the program then ends.
    bool InitInstance(const QStringList& arguments, bool bAccueil = true);

    // The program's exit status when InitInstance ended it: 0 after --help
    // or --version, 1 after a failure.
    int CodeSortie() const { return m_nCodeSortie; }

    CVantrelDoc* Document() const { return m_pDoc.get(); }
    CMainFrame* Fenetre() const { return m_pFenetre.get(); }

private:
    CInteractionQt m_interaction;
    std::unique_ptr<CVantrelDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFenetre;
    std::unique_ptr<CEcranAccueil> m_pEcranAccueil;
    int m_nCodeSortie = 1;
};
