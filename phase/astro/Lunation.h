// Instants of the Moon's principal phases as Julian days, from the closed-form lunar theory
// with the epoch 1900 January 0.5 and a mean lunation of 29.53058868 days.
#pragma once

// The mean new moon of lunation k (k = 0 is the new moon at the start of 1900); jd fixes the
// time in centuries used by the slowly varying terms.
double MeanPhaseInstant(double jd, double k);

// The instant of phase fraction f of lunation k: 0 new moon, 0.25 first quarter, 0.5 full
// moon, 0.75 last quarter. Other fractions get the mean phase without periodic corrections.
double TruePhaseInstant(double k, double f);

// The lunation in progress at the Julian day now: the whole number k whose mean new moon is
// at or before now while that of k + 1 is after now.
double LunationInProgress(double now);
