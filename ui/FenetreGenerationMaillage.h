#pragma once

#include <functional>

class QWidget;

// Runs `generer` (the meshes of the receivers, which may take a while and
// may show the core's refusal messages) under the "Mesh generation..."
// window: the window is shown and painted before the work starts, and goes
// once it is over. Returns what `generer` returns.
bool GenererSousFenetre(QWidget* pParent, const std::function<bool()>& generer);
