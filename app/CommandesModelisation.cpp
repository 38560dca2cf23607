#include "app/CommandesModelisation.h"

#include "app/MainFrame.h"
#include "document/Commandes.h"
#include "document/VantrelDoc.h"
#include "ui/InteractionQt.h"

CCommandesModelisation::CCommandesModelisation(CMainFrame& fenetre, CVantrelDoc& doc,
                                               CInteractionQt& interaction)
    : QObject(&fenetre), m_fenetre(fenetre), m_doc(doc), m_interaction(interaction) {}

void CCommandesModelisation::Brancher(Gestionnaires&) {}

void CCommandesModelisation::FermerFenetre(EFenetre) {}
