#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Stored strings are single-byte Windows-1252; the window layer speaks UTF-8.

// UTF-8 to Windows-1252. Nothing when the text is not valid UTF-8 or holds a
// character the code page cannot represent; then, when pStrErreur is given,
// it receives a message naming the character (or the bad byte), for example
// "The character \"中\" (U+4E2D) cannot be stored: it is not in the
// Windows-1252 character set.".
std::optional<std::string> Utf8VersCp1252(const std::string& utf8,
                                          std::string* pStrErreur = nullptr);

// Windows-1252 to UTF-8. Total: the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters U+0081 and so
// on, which Utf8VersCp1252 maps back, so any byte string survives the round
// trip.
std::string Cp1252VersUtf8(const std::string& cp1252);

// UTF-8 to Windows-1252 for names taken from other programs' files: total,
// every character the code page lacks, every bad byte and every control
// character becomes '?', and the text stops after nMax characters.
std::string Utf8VersCp1252Approche(const std::string& utf8, std::size_t nMax);
