#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// File access of the scene files and the exports. Every function returns
// false with a clear English message in strErreur (including the system's
// reason) instead of throwing.

// Largest file LireFichier accepts: a scene of this size would already hold
// hundreds of thousands of faces.
constexpr std::uint64_t g_nTailleMaxFichier = 256ull * 1024 * 1024;

// Reads the whole regular file `chemin` into `octets` (replaced). Refuses a
// folder, a missing or unreadable file and a file larger than nTailleMax
// bytes, without reading it.
bool LireFichier(const std::string& chemin, std::vector<std::uint8_t>& octets,
                 std::string& strErreur);
bool LireFichier(const std::string& chemin, std::vector<std::uint8_t>& octets,
                 std::string& strErreur, std::uint64_t nTailleMax);

// The low-level write step of a save, with the contract of POSIX write():
// writes at most n bytes of p to the open descriptor and returns how many it
// wrote (possibly fewer), or -1 with errno set. Tests inject one that fails
// to simulate a full disk.
using FonctionEcriture =
    std::function<std::ptrdiff_t(int nDescripteur, const void* p, std::size_t n)>;

// Safe save: writes `octets` to a new temporary file in the target's folder,
// flushes it to the disk, then renames it over `chemin` (a symbolic link is
// followed, so the file it points to is replaced). On any failure the
// temporary file is removed, an existing target is left as it was, and the
// message names the file and the system's reason. A read-only target is
// refused rather than replaced. A new file gets the default permissions; a
// replaced file keeps its own.
bool EnregistrerFichier(const std::string& chemin, std::span<const std::uint8_t> octets,
                        std::string& strErreur);
bool EnregistrerFichier(const std::string& chemin, std::span<const std::uint8_t> octets,
                        std::string& strErreur, const FonctionEcriture& ecrire);

// The same safe save for a text export; the text is written byte for byte
// (the caller chooses the line breaks).
bool EnregistrerTexte(const std::string& chemin, const std::string& texte, std::string& strErreur);
