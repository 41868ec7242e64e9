#include "fingerprintcommand.h"

#include <brisca/brisca.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace cli {
namespace {

int fail(const std::string& message)
{
    std::fprintf(stderr, "quillon: fingerprint: %s\n", message.c_str());
    return 1;
}

// A number of seconds in the C locale whatever the user's locale is ("1.5", " 30 ", "+2");
// false for anything else, negative or not finite.
bool parseSeconds(const std::string& text, double* seconds)
{
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && std::strchr(" \t\n\v\f\r", *first))
        ++first;
    while (last > first && std::strchr(" \t\n\v\f\r", last[-1]))
        --last;
    if (first < last && *first == '+')
        ++first;
    const std::from_chars_result parsed = std::from_chars(first, last, *seconds);
    return parsed.ec == std::errc() && parsed.ptr == last && std::isfinite(*seconds) &&
           *seconds >= 0;
}

bool isOwnOption(const std::string& arg)
{
    return arg == "--raw" || arg == "--length";
}

}  // namespace

bool fingerprintTakesAsGiven(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        // What the command-line checks take for an option: "-x" or "--name", but not "-" alone
        // nor a negative number.
        const bool option = arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
        if (option && !isOwnOption(arg))
            return false;
    }
    return true;
}

int runFingerprint(const std::vector<std::string>& args)
{
    std::string path;
    double seconds = 0;
    bool raw = false;
    for (size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == "--raw")
            raw = true;
        else if (args[i] == "--length" && i + 1 < args.size())
            ok = parseSeconds(args[++i], &seconds);
        else if (args[i].rfind("--", 0) == 0 || !path.empty())
            ok = false;
        else
            path = args[i];
        if (!ok)
            return fail("unexpected argument '" + args[i] + "'");
    }
    if (path.empty())
        return fail("missing FILE");
    int64_t durationUs = 0;
    char* fingerprint = FingerprintFile(path.c_str(), int64_t(seconds * 1e6), raw, &durationUs);
    if (!fingerprint)
        return fail(BriscaLastError());
    std::printf("DURATION=%lld\nFINGERPRINT=%s\n", static_cast<long long>(durationUs / 1000000),
                fingerprint);
    ReleaseFingerprint(fingerprint);
    return 0;
}

}  // namespace cli
