#pragma once

#include <functional>
#include <vector>

class CEclairementRecepteurs;
class CFace;
class CPositionSoleil;

// Samples one date of the list from 00:00 every `nPas` minutes with the
// document's sun: at each sample the sun's position and direction, then the
// lighting of `faces` (document order, meshes built), then `echantillon(k)`
// reads the results; it returns false to end the scan there. The meshes are
// taken as unchanged for the whole scan. The sun's date and time are put
// back; its azimuth, altitude and direction keep the last sample's.
void BalayerJour(CPositionSoleil& soleil, CEclairementRecepteurs& eclairement,
                 const std::vector<CFace*>& faces, int nIndexDate, int nPas,
                 const std::function<bool(int k)>& echantillon);
