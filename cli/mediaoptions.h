#pragma once
// Option values shared by `quillon play` and `quillon convert`.

#include <QString>
#include <QVector>

#include <functional>

namespace cli {

// The centres of the ten equalizer bands (Hz), as the edit dialog's sliders.
extern const double kEqualizerBandsHz[10];

// "90", "12.5", "1:30", "1:02:03.5" -> microseconds; false when malformed or negative.
bool parseTime(const QString& text, int64_t* us);
// "g1,...,g10" (dB, -20..20) -> gains; false when not ten numbers in range.
bool parseEqualizer(const QString& text, QVector<double>* gains);
// A percentage 0..max.
bool parsePercent(const QString& text, int max, int* value);

// The signal pipe: SIGINT and SIGTERM write a byte that a QSocketNotifier turns into a call
// of onSignal on the event loop. Returns false when it cannot be set up.
bool watchInterrupts(const std::function<void()>& onSignal);
void stopWatchingInterrupts();

}  // namespace cli
