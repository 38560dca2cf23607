#pragma once

#include <vector>

class CFace;
class CInteraction;

// Builds the meshes of every receiver under one node budget, and refuses the
// computation, with a message, when the budget would be exceeded or when no
// node at all was made. After a refusal no face keeps a mesh.
class CGenerationMaillage {
public:
    static constexpr const char* kTitreRefus = "Computation not allowed";
    static constexpr const char* kMessagePoids =
        "The processor weight required for this computation would exceed the maximum weight   \n"
        "Reduce your mesh or increase the maximum weight allowed   ";
    static constexpr const char* kMessageAucunNoeud =
        "No face declared as a receiver (mesh not generated)   \n"
        "Declare the faces of interest as receivers   ";

    // The node budget of a maximum processor weight (5000 nodes a unit); the
    // grids walked may hold CFace::kTestsParNoeud candidate tests a node.
    static int Budget(int nPoidsMax);

    // `faces` in document order.
    bool GenererMaillages(const std::vector<CFace*>& faces, int nPoidsMax,
                          CInteraction& interaction);
};

// Deletes every face's mesh, in list order.
void DetruireMaillages(const std::vector<CFace*>& faces);
