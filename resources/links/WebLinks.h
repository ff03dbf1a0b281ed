// The sites of the web links menu, in the order of its strips. Kept free of Qt so that
// the artwork generator draws the strips' titles from the same list.
#pragma once

#include <array>

namespace crescendar {

// One strip of the menu: a heading (no address) or a site.
struct TWebLink {
    const char* Name;   // control name
    const char* Title;  // pictured on the strip
    const char* Source; // who keeps the site, pictured small at the strip's right end
    const char* Url;    // nullptr for a heading
};

inline constexpr std::array<TWebLink, 19> kWebLinks = {{
    {"imgLunarResources", "Lunar Resources on the Web", "", nullptr},
    {"imgEarthsMoon", "Earth's Moon", "NASA", "https://science.nasa.gov/moon/"},
    {"imgPhaseAndLibration", "Moon Phase and Libration", "NASA",
     "https://svs.gsfc.nasa.gov/gallery/moonphase/"},
    {"imgMoonFactSheet", "Moon Fact Sheet", "NASA",
     "https://nssdc.gsfc.nasa.gov/planetary/factsheet/moonfact.html"},
    {"imgLunarScience", "Lunar Science and Exploration", "LPI", "https://www.lpi.usra.edu/lunar/"},
    {"imgLunarOrbiterAtlas", "Lunar Orbiter Photo Atlas", "LPI",
     "https://www.lpi.usra.edu/resources/lunar_orbiter/"},
    {"imgLroCamera", "Lunar Reconnaissance Camera", "LROC", "https://www.lroc.asu.edu/"},
    {"imgQuickMap", "QuickMap: Explore the Moon", "LROC", "https://quickmap.lroc.asu.edu/"},
    {"imgLunarNames", "Names of Lunar Features", "USGS",
     "https://planetarynames.wr.usgs.gov/Page/MOON/target"},
    {"imgAstrogeology", "Astrogeology Science Center", "USGS",
     "https://www.usgs.gov/centers/astrogeology-science-center"},
    {"imgAlpo", "Lunar and Planetary Observers", "ALPO", "https://alpo-astronomy.org/"},
    {"imgBritishAstronomical", "British Astronomical Assoc.", "BAA", "https://britastro.org/"},
    {"imgOccultations", "Lunar Occultations", "IOTA", "https://occultations.org/"},
    {"imgLunarEclipses", "Lunar Eclipses", "NASA", "https://eclipse.gsfc.nasa.gov/lunar.html"},
    {"imgMissions", "Missions to the Moon", "", nullptr},
    {"imgApolloMissions", "Apollo Lunar Missions", "NASA",
     "https://nssdc.gsfc.nasa.gov/planetary/lunar/apollo.html"},
    {"imgApolloSurfaceJournal", "Apollo Lunar Surface Journal", "NASA",
     "https://www.nasa.gov/history/alsj/"},
    {"imgLunarReconnaissanceOrbiter", "Lunar Reconnaissance Orbiter", "NASA",
     "https://science.nasa.gov/mission/lro/"},
    {"imgArtemis", "Artemis: Back to the Moon", "NASA",
     "https://www.nasa.gov/humans-in-space/artemis/"},
}};

} // namespace crescendar
