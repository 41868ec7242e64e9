#pragma once
// quillon fingerprint FILE [--length SECONDS] [--raw]: the file's fingerprint as fpcalc prints
// it (DURATION and FINGERPRINT lines), of its first SECONDS (default: all of it); --raw prints
// the items as numbers.
//
// Free of Qt, so that the launcher (main.cpp) runs it without loading the command-line library:
// a fingerprint then starts as quickly as fpcalc does. The library registers the same function
// for `quillon --help` and for the command lines the launcher leaves to it.

#include <string>
#include <vector>

namespace cli {

constexpr const char* kFingerprintCommand = "fingerprint";
constexpr const char* kFingerprintUsage = "FILE [--length SECONDS] [--raw]";

// Runs the command on the arguments after its name: the two lines on stdout and 0, or
// "quillon: fingerprint: <why>" on stderr and 1. Texts are UTF-8 (paths as given).
int runFingerprint(const std::vector<std::string>& args);

// True when the arguments hold no option but the command's own (no --help, no "--", no
// "--length=N"): the checks every command gets before it runs would pass them through
// unchanged, so runFingerprint may take them straight away.
bool fingerprintTakesAsGiven(const std::vector<std::string>& args);

}  // namespace cli
