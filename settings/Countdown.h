#pragma once

#include <QString>

namespace mv {

// Durations written "hh:mm:ss", as the automatic loading settings hold them.
namespace countdown {

// Seconds of an "hh:mm:ss" text; an empty or malformed text counts as 0.
int toSeconds(const QString& text);
// "hh:mm:ss" of a number of seconds, wrapping at 24 hours like a clock.
QString format(int seconds);
// The text as it will be shown: a malformed text becomes "00:00:00".
QString normalized(const QString& text);

} // namespace countdown
} // namespace mv
