#pragma once

#include <functional>
#include <optional>

// The keyboard locks that the status bar shows.
enum class EVerrou { Majuscules, Numerique, Defilement };

// Reads the state of a lock; nothing when the platform does not tell.
using LecteurVerrous = std::function<std::optional<bool>(EVerrou)>;

// The reader of the window system the program runs on: the X keyboard
// extension's indicators under X11; none elsewhere (Qt itself does not
// report the locks), and the panes then stay blank.
LecteurVerrous LecteurVerrousSysteme();
