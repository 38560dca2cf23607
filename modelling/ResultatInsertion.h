#pragma once

#include "platform/Validation.h"

// How "Insert" of the generating dialogs ended.
enum class EIssueInsertion {
    Inseree,          // the faces are in the list; the dialog closes with OK
    ChampRefuse,      // a field check failed: show the message, stay open
    GeometrieRefusee, // a geometric check failed: stay open, say nothing
};

struct CResultatInsertion {
    EIssueInsertion nIssue = EIssueInsertion::Inseree;
    CResultatValidation refus; // set for ChampRefuse only
};
