#pragma once
// The ID3v1 genre list with the Winamp extensions: numbers 0 ("Blues") to 147 ("SynthPop").

#include <string>

namespace tags {

constexpr int kGenreCount = 148;

// The genre name of a number; empty when the number is outside 0..147.
std::string genreName(int number);
// The number of a genre name (case-insensitive), -1 when it is not in the list.
int genreNumber(const std::string& name);
// Turns the ID3 numeric forms "17", "(17)" and "(17)Rock" into the name; other texts unchanged.
std::string resolveGenre(const std::string& text);

}  // namespace tags
