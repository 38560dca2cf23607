#pragma once

#include "platform/Validation.h"

#include <QDialog>

#include <map>
#include <optional>
#include <string>

class CInteraction;
class QLineEdit;
class QWidget;

// What every dialog of the program shares: the refusal of a field by the
// core (its message through the interaction seam, then the focus in that
// field with its text selected, the dialog left open) and the look of the
// program's windows. The rules themselves stay in the core.
class CDialogueVantrel : public QDialog {
    Q_OBJECT
public:
    CDialogueVantrel(CInteraction& interaction, QWidget* pParent);

    // The widget that shows a field the core may refuse.
    void Associer(int nChamp, QWidget* pChamp);
    QWidget* Champ(int nChamp) const;
    // True when the core refused: the message has been shown and the field
    // has the focus.
    bool Refuse(const CResultatValidation& resultat);

    // The edit of a field read as the platform reads it before the core
    // checks it: nothing, after the refusal, when its text is not a number,
    // not an integer, or holds a character that Windows-1252 cannot store.
    std::optional<double> ReelDuChamp(int nChamp);
    std::optional<long> EntierDuChamp(int nChamp);
    std::optional<std::string> TexteDuChamp(int nChamp);

protected:
    CInteraction& m_interaction;

private:
    std::map<int, QWidget*> m_champs;
};

// The grey RGB(128,128,128) background and white static texts of the
// program's tool windows.
void AppliquerCouleursOutil(QWidget* pFenetre);

// An edit's text for a numeric buffer of the core, and back. Characters the
// code page lacks become '?', which no number reads.
std::string TexteChamp(const QLineEdit* pEdit);
void FixerChamp(QLineEdit* pEdit, const std::string& strCp1252);

// Read-only edits of a window drawn on a light grey ground, as the platform
// shows them, so that a shown result or a fixed value does not read as a
// field to type in. Run again whenever a rule changes an edit's state.
void MarquerLectureSeule(QWidget* pFenetre);
