// Records a 440 Hz tone in real time into a file until it is killed; the crash-safety test
// kills it with SIGKILL and checks what is left. Usage: engine_record_child PATH KEY CODEC
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "enginetestutil.h"

using namespace enginetest;

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    Params p;
    p.key = argv[2];
    p.codec = int(std::strtol(argv[3], nullptr, 0));
    const int32_t rec = openRecorder(QString::fromLocal8Bit(argv[1]), p);
    if (!rec || StartRecorder(rec) != 1) {
        std::fprintf(stderr, "record child: %s\n", BriscaLastError());
        return 3;
    }
    // One line per second of audio handed to the recorder.
    for (int64_t block = 0;; ++block) {
        writeS16(rec, sine(440.0, 0.5, 44100, 2, 441, block * 441), 44100, 2, block * 10000);
        if (block % 100 == 99) {
            std::printf("%lld\n", static_cast<long long>(block / 100 + 1));
            std::fflush(stdout);
        }
        usleep(10000);
    }
}
