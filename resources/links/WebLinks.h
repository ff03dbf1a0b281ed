// The sites of the web links menu, in the order of its strips; the artwork generator draws
// the strips from the same list, and the menu writes the titles in the language in force.
#pragma once

#include <QtGlobal>

#include <array>

namespace crescendar {

// One strip of the menu: a heading (no address) or a site.
struct TWebLink {
    const char* Name;   // control name
    const char* Title;  // written on the strip (marked for translation)
    const char* Source; // who keeps the site, written small at the strip's right end
    const char* Url;    // nullptr for a heading
};

inline constexpr std::array<TWebLink, 19> kWebLinks = {{
    {"imgLunarResources", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Lunar Resources on the Web"),
     "", nullptr},
    {"imgEarthsMoon", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Earth's Moon"), "NASA",
     "https://science.nasa.gov/moon/"},
    {"imgPhaseAndLibration", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Moon Phase and Libration"),
     "NASA", "https://svs.gsfc.nasa.gov/gallery/moonphase/"},
    {"imgMoonFactSheet", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Moon Fact Sheet"), "NASA",
     "https://nssdc.gsfc.nasa.gov/planetary/factsheet/moonfact.html"},
    {"imgLunarScience", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Lunar Science and Exploration"),
     "LPI", "https://www.lpi.usra.edu/lunar/"},
    {"imgLunarOrbiterAtlas", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Lunar Orbiter Photo Atlas"),
     "LPI", "https://www.lpi.usra.edu/resources/lunar_orbiter/"},
    {"imgLroCamera", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Lunar Reconnaissance Camera"),
     "LROC", "https://www.lroc.asu.edu/"},
    {"imgQuickMap", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "QuickMap: Explore the Moon"), "LROC",
     "https://quickmap.lroc.asu.edu/"},
    {"imgLunarNames", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Names of Lunar Features"), "USGS",
     "https://planetarynames.wr.usgs.gov/Page/MOON/target"},
    {"imgAstrogeology", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Astrogeology Science Center"),
     "USGS", "https://www.usgs.gov/centers/astrogeology-science-center"},
    {"imgAlpo", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Lunar and Planetary Observers"), "ALPO",
     "https://alpo-astronomy.org/"},
    {"imgBritishAstronomical",
     QT_TRANSLATE_NOOP("crescendar::TWebMenu", "British Astronomical Assoc."), "BAA",
     "https://britastro.org/"},
    {"imgOccultations", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Lunar Occultations"), "IOTA",
     "https://occultations.org/"},
    {"imgLunarEclipses", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Lunar Eclipses"), "NASA",
     "https://eclipse.gsfc.nasa.gov/lunar.html"},
    {"imgMissions", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Missions to the Moon"), "", nullptr},
    {"imgApolloMissions", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Apollo Lunar Missions"),
     "NASA", "https://nssdc.gsfc.nasa.gov/planetary/lunar/apollo.html"},
    {"imgApolloSurfaceJournal",
     QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Apollo Lunar Surface Journal"), "NASA",
     "https://www.nasa.gov/history/alsj/"},
    {"imgLunarReconnaissanceOrbiter",
     QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Lunar Reconnaissance Orbiter"), "NASA",
     "https://science.nasa.gov/mission/lro/"},
    {"imgArtemis", QT_TRANSLATE_NOOP("crescendar::TWebMenu", "Artemis: Back to the Moon"), "NASA",
     "https://www.nasa.gov/humans-in-space/artemis/"},
}};

} // namespace crescendar
