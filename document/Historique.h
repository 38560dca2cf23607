#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// The states of the document that Undo and Redo move through, oldest first.
// A state is the document as the file writer stores it (the faces with their
// properties and openings, the site, the options and the view parameters:
// all that a command can change), with the selected face, which the file
// does not hold.
class CHistorique {
public:
    // The bound: the newest states whose bytes add up to at most nOctetsMax,
    // at most nEtatsMax of them, and never fewer than the current state and
    // the one before it, however large they are.
    static constexpr std::size_t kOctetsMax = std::size_t{64} << 20;
    static constexpr std::size_t kEtatsMax = 1000;
    explicit CHistorique(std::size_t nOctetsMax = kOctetsMax, std::size_t nEtatsMax = kEtatsMax)
        : m_nOctetsMax(nOctetsMax), m_nEtatsMax(nEtatsMax) {}

    // "&New", "&Open...": the only state is this one, as saved.
    void Reinitialiser(std::vector<std::uint8_t> octets, int nSelection);
    // After a command: a state that differs from the current one becomes the
    // next step, and the steps undone before are dropped. nSelectionAvant is
    // the selection before the command, which Undo gives back. False when
    // nothing changed.
    bool Memoriser(std::vector<std::uint8_t> octets, int nSelection, int nSelectionAvant);
    // The document has just been saved in the current state.
    void MarquerEnregistre() { m_nEnregistre = static_cast<std::ptrdiff_t>(m_nCourant); }

    bool PeutAnnuler() const { return m_nCourant > 0; }
    bool PeutRetablir() const { return m_nCourant + 1 < m_etats.size(); }
    // One step back or forward: the selection to show with the state that is
    // now current; nothing when there is no such step.
    std::optional<int> Annuler();
    std::optional<int> Retablir();
    // The current state's bytes.
    const std::vector<std::uint8_t>& Courant() const { return m_etats[m_nCourant].octets; }
    // The current state is the one last saved (or opened, or new).
    bool EstEnregistre() const { return m_nEnregistre == static_cast<std::ptrdiff_t>(m_nCourant); }

    std::size_t NombreEtats() const { return m_etats.size(); }
    std::size_t Octets() const { return m_nOctets; }

private:
    struct CEtat {
        std::vector<std::uint8_t> octets;
        int nSelection = 0;      // selected face in this state
        int nSelectionAvant = 0; // before the command that led to it
    };
    void Limiter();

    std::size_t m_nOctetsMax;
    std::size_t m_nEtatsMax;
    std::deque<CEtat> m_etats{CEtat{}};
    std::size_t m_nCourant = 0;
    std::ptrdiff_t m_nEnregistre = 0; // -1 once the saved state is gone
    std::size_t m_nOctets = 0;
};
