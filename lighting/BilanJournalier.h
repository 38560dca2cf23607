#pragma once

#include "lighting/EclairementRecepteurs.h"
#include "platform/Interaction.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class CFace;
class CPositionSoleil;

// One time sample of the day report.
struct CEchantillon {
    int m_nHeure = 0;
    int m_nMinute = 0;
    double m_dEquivalent = 0; // %
    double m_dIncidence = 0;  // degrees
    double m_dAltitude = 0;   // degrees
};

// The lighting of a whole day: one sample per time step from 00:00, the
// three averages, and the text export of the samples.
class CBilanJournalier {
public:
    static constexpr int kEchantillonsMax = 1440;

    std::array<CEchantillon, kEchantillonsMax> m_echantillons;
    int m_nEchantillons = 0;
    int m_bArret = 0; // "Close / Stop" asked during the computation
    double m_dIncidenceMoyenne = 0;
    int m_nIndexDate = 5; // "21 march"
    double m_dEquivalentMoyen = 0;
    double m_dAltitudeMoyenne = 0;

    // The sun is the document's; the lighting object does the computation.
    CBilanJournalier(CPositionSoleil& soleil, CEclairementRecepteurs& eclairement)
        : m_soleil(soleil), m_eclairement(eclairement) {}

    // Opening the dialog: no sample yet, no stop asked. The averages stay.
    void Ouvrir();

    // The time step in minutes (the options'), kept to a divisor-safe range.
    int PasMinutes() const;
    // Scans m_nIndexDate with the sun and computes `faces` (document order,
    // meshes built) at every sample. After each sample `apresEchantillon`
    // runs: the window layer handles one pending event there, which may set
    // m_bArret; the sample is then not counted and the loop ends. The sun's
    // date and time are put back; its azimuth, altitude and direction keep
    // the last sample's.
    void Calculer(const std::vector<CFace*>& faces, const std::function<void()>& apresEchantillon);
    // Progress bar position, 0 to 100.
    int Progression() const;
    void CalculerMoyennes();

    // The export text: one line per sample, "hour minute equivalent
    // incidence altitude", doubles as %g.
    std::string TexteExport() const;
    // Nothing to export below two samples.
    bool PeutExporter() const { return m_nEchantillons >= 2; }
    // The save dialog of "Export...": "Export data to", "results", ".txt",
    // no filter, asking before an existing file is replaced.
    static CChoixFichier ChoixExport();
    // Writes the export text to `chemin`; false with a message on failure.
    bool Exporter(const std::string& chemin, std::string& strErreur) const;

private:
    CPositionSoleil& m_soleil;
    CEclairementRecepteurs& m_eclairement;
};
