#pragma once

#include "document/Fichier.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

using Octets = std::vector<std::uint8_t>;

// The whole content of a file, or nothing when it cannot be read.
inline Octets LireOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(f), {});
}

// A golden file of tests/data (built by tests/data/make_golden.py).
inline Octets Golden(const std::string& nom) {
    return LireOctets(std::string(VANTREL_TEST_DATA) + "/" + nom);
}

// The golden files, each a scene the reader accepts.
inline const char* const kNomsGolden[] = {"empty.vtl",    "one_quad.vtl",   "tri_quad_tri.vtl",
                                          "openings.vtl", "long_title.vtl", "windows_1252.vtl"};

// A write function for the safe save that behaves like a disk with nPlace
// bytes left: it writes that much, then fails with ENOSPC.
inline FonctionEcriture DisquePlein(std::size_t nPlace) {
    auto pReste = std::make_shared<std::size_t>(nPlace);
    return [pReste](int fd, const void* p, std::size_t n) -> std::ptrdiff_t {
        if (*pReste == 0) {
            errno = ENOSPC;
            return -1;
        }
        const auto r = ::write(fd, p, std::min(n, *pReste));
        if (r > 0) {
            *pReste -= static_cast<std::size_t>(r);
        }
        return r;
    };
}
