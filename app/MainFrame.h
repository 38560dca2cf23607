#pragma once

#include "app/IndicateursClavier.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <string>

class CCommandesEtude;
class CCommandesModelisation;
class CInteractionQt;
class CVantrelDoc;
class CVantrelView;
class QAction;
class QLabel;
class QTimer;
class QToolBar;

// The main window: menus, accelerators, toolbar and status bar built from the
// command table, the 3-D view in the middle, and the file commands with the
// question before a modified document is dropped.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CVantrelDoc& doc, CInteractionQt& interaction, QWidget* pParent = nullptr);
    ~CMainFrame() override;

    // The action of a command (menu item, accelerator and toolbar button).
    QAction* Action(int nId) const;
    CVantrelView* Vue() const { return m_pVue; }
    // The commands of a study and of modelling, with their windows.
    CCommandesEtude* Etude() const { return m_pEtude; }
    CCommandesModelisation* Modelisation() const { return m_pModelisation; }
    QToolBar* BarreOutils() const { return m_pBarreOutils; }
    // The status bar's message pane, then the caps, num and scroll lock panes.
    QLabel* PaneMessage() const { return m_pMessage; }
    QLabel* PaneVerrou(EVerrou verrou) const { return m_indicateurs[static_cast<int>(verrou)]; }

    // Every enabled state and check mark from the document and the bars:
    // run after every command and every change of the document.
    void MettreAJourCommandes();
    // "Vantrel - " and the document's file title.
    void MettreAJourTitre();
    // The file's name, or "Untitled" for a document never saved.
    QString TitreFichier() const;
    // Where the lock panes read their states; an empty reader leaves them blank.
    void FixerLecteurVerrous(LecteurVerrous lecteur);
    void MettreAJourIndicateurs();

    // The file commands; each says whether it was carried out.
    bool NouveauDocument();
    bool OuvrirDocument(); // asks for the file
    // "&Open..." once the file is known (also for a dropped file): the save
    // question, then the reading.
    bool OuvrirDocument(const std::string& chemin);
    bool Enregistrer();
    bool EnregistrerSous();
    // Before the document is dropped: when it is modified, asks whether to
    // save it. False when the user cancels or the save fails.
    bool EnregistrerModifications();
    // The file named on the command line, read into the fresh document.
    // False after the failure message.
    bool ChargerAuDemarrage(const std::string& chemin);

protected:
    bool event(QEvent* pEvenement) override;
    void closeEvent(QCloseEvent* pEvenement) override;
    void dragEnterEvent(QDragEnterEvent* pEvenement) override;
    void dropEvent(QDropEvent* pEvenement) override;

private:
    void CreerActions();
    void CreerMenus();
    void CreerBarreOutils();
    void CreerBarreEtat();
    void Executer(int nId);
    void AfficherInvite(const QString& invite);
    bool Charger(const std::string& chemin);
    bool EnregistrerVers(const std::string& chemin);
    // After "&New" or a reading: the camera, the caption and the commands.
    void DocumentRemplace();
    void APropos();

    CVantrelDoc& m_doc;
    CInteractionQt& m_interaction;
    CVantrelView* m_pVue = nullptr;
    CCommandesEtude* m_pEtude = nullptr;
    CCommandesModelisation* m_pModelisation = nullptr;
    QToolBar* m_pBarreOutils = nullptr;
    QLabel* m_pMessage = nullptr;
    std::array<QLabel*, 3> m_indicateurs{};
    QTimer* m_pMinuterieVerrous = nullptr;
    LecteurVerrous m_lecteurVerrous;
    std::map<int, QAction*> m_actions;
    // The commands this window carries out; the others stay disabled.
    std::map<int, std::function<void()>> m_gestionnaires;
};
