// The quick eclipse test at a syzygy (Meeus, Astronomical Algorithms, chapter 54), shared by
// the lunar eclipses at full moon and the search for solar eclipses at new moon: the mean
// arguments of the lunation, the instant of greatest eclipse and the quantities gamma and u.
#pragma once

#include "Records.h"
#include "TimeScale.h"

namespace crescendar {

// The Sun's mean anomaly, the Moon's mean anomaly, its argument of latitude and the longitude
// of its ascending node at lunation number k, radians.
struct TMeanArguments {
    double M = 0.0;
    double Mp = 0.0;
    double F = 0.0;
    double Omega = 0.0;
};
TMeanArguments MeanArguments(double k, const TPhasePowers& p);

// Beyond this (|sin F| > 0.36) the Moon is too far from a node for any eclipse.
bool FarFromNode(double f);

// The syzygy's eclipse quantities. NearNode false: too far from the node, nothing else filled.
struct TSyzygyEclipse {
    bool NearNode = false;
    DynamicalTime JDE;  // greatest eclipse, within a few minutes
    double Gamma = 0.0; // least distance of the shadow axis from the Earth's (or the Moon's)
                        // centre, Earth radii, north positive
    double U = 0.0;     // the radius of the umbral cone in the fundamental plane, Earth radii
    TMeanArguments Arguments;
};

// k: an integer for a new moon (solar eclipse), an integer plus 0.5 for a full moon (lunar).
// Accuracy: a few minutes in the instant and about 0.01 in gamma near 2000.
TSyzygyEclipse SyzygyEclipse(double k);

} // namespace crescendar
