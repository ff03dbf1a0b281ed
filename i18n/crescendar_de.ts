<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Command</name>
    <message>
        <source>Page Up</source>
        <translation>Bild aufwärts</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild abwärts</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation>Dieses Fenster minimieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>TableCommands</name>
    <message>
        <source>Comma-separated values (*.csv *.CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::SkinWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Den vorherigen Monat zeigen</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Den nächsten Monat zeigen</translation>
    </message>
</context>
<context>
    <name>crescendar::TAbout</name>
    <message>
        <source>About Crescendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TCalendarExport</name>
    <message>
        <source>Calendar Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without exporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar eclipses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equinoxes, solstices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first year of the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last year of the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file and save the events in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A year must lie between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One calendar takes at most %1 years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crescendar %1.ics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crescendar %1-%2.ics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ICS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar was not saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TConfiguration</name>
    <message>
        <source>Close</source>
        <translation type="unfinished">Schließen</translation>
    </message>
    <message>
        <source>Close the window, asking whether to save changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the settings and close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the settings and closes the window. %1 asks whether to save changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude north or south</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude east or west</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer the calendar is printed for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>these coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>these coordinates (now “%1”)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not picked from the places offered. Keep it as the name of %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone names look like Europe/Paris or America/New_York.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The closest zone names are: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows. %2 The time zone stays %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes to the settings have not been saved. Save them before the window closes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TDateInfoWindow</name>
    <message>
        <source>Date Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days Till Xmas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished">%1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at 0h UT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TEaster</name>
    <message>
        <source>Easter Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Crescendar</source>
        <translation type="unfinished">Crescendar beenden</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipse</name>
    <message>
        <source>Lunar Eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation type="unfinished">Finsternis</translation>
    </message>
    <message>
        <source>Other eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This month has two eclipses: show the other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this date in the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click or press %1 to show this date in the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipse diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 ›</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the Moon&apos;s path across the Earth&apos;s penumbra and umbra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished">%1:</translation>
    </message>
    <message>
        <source>Moon enters Penumbra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon enters Umbra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of Totality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipse Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Totality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon exits Umbra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon exits Penumbra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipse Magnitude</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipseReport</name>
    <message>
        <source>Eclipse Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate dates of eclipses between the two selected years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the list as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the list for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished">Kopieren</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crescendar eclipses %1.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crescendar eclipses %1-%2.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The eclipse list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished">%1%</translation>
    </message>
    <message>
        <source>1 eclipse found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 eclipses found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TEquinox</name>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spring Equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer Solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autumn Equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter Solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished">%1:</translation>
    </message>
    <message>
        <source>Length of the season from the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seasons of %1 in the southern hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seasons of %1 in the northern hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TMain</name>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Meridiandurchgang der Sonne</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Bürgerliche Dämmerung beginnt</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Bürgerliche Dämmerung endet</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Nautische Dämmerung beginnt</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Nautische Dämmerung endet</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Astronomische Dämmerung beginnt</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Astronomische Dämmerung endet</translation>
    </message>
    <message>
        <source>Shown date and time</source>
        <translation>Angezeigtes Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation>Gewähltes Datum</translation>
    </message>
    <message>
        <source>Local sidereal time</source>
        <translation>Ortssternzeit</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Illuminated</source>
        <translation>Beleuchtet</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Right ascension</source>
        <translation>Rektaszension</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Deklination</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Parallaxe</translation>
    </message>
    <message>
        <source>Apparent diameter</source>
        <translation>Scheinbarer Durchmesser</translation>
    </message>
    <message>
        <source>Next apogee</source>
        <translation>Nächstes Apogäum</translation>
    </message>
    <message>
        <source>Next perigee</source>
        <translation>Nächstes Perigäum</translation>
    </message>
    <message>
        <source>Moon azimuth</source>
        <translation>Azimut des Mondes</translation>
    </message>
    <message>
        <source>Moon altitude</source>
        <translation>Höhe des Mondes</translation>
    </message>
    <message>
        <source>Position angle of the bright limb</source>
        <translation>Positionswinkel des hellen Randes</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Phasenwinkel</translation>
    </message>
    <message>
        <source>Sun azimuth</source>
        <translation>Azimut der Sonne</translation>
    </message>
    <message>
        <source>Sun altitude</source>
        <translation>Höhe der Sonne</translation>
    </message>
    <message>
        <source>Sun right ascension</source>
        <translation>Rektaszension der Sonne</translation>
    </message>
    <message>
        <source>Sun declination</source>
        <translation>Deklination der Sonne</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>Der Mond</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Den vorherigen Monat zeigen</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Den nächsten Monat zeigen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Calendar for Month</source>
        <translation>Kalender des Monats drucken</translation>
    </message>
    <message>
        <source>Binoculars or telescope</source>
        <translation>Fernglas oder Teleskop</translation>
    </message>
    <message>
        <source>Switch between view as seen through Binoculars or a Telescope</source>
        <translation>Zwischen der Ansicht im Fernglas und im Teleskop wechseln</translation>
    </message>
    <message>
        <source>Rise and set times</source>
        <translation>Auf- und Untergangszeiten</translation>
    </message>
    <message>
        <source>Display Moon/Sun Rise/Set times and Twilight times for month</source>
        <translation>Auf- und Untergangszeiten von Mond und Sonne und die Dämmerungszeiten des Monats anzeigen</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Display links to Lunar Internet Sites</source>
        <translation>Links zu Websites über den Mond anzeigen</translation>
    </message>
    <message>
        <source>Change the time</source>
        <translation>Zeit ändern</translation>
    </message>
    <message>
        <source>Change the time within Crescendar</source>
        <translation>Die Zeit in Crescendar ändern</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Display menu showing Report options</source>
        <translation>Das Menü der Berichte anzeigen</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Finsternis</translation>
    </message>
    <message>
        <source>Display circumstances of Lunar Eclipse occurring this month</source>
        <translation>Umstände der Mondfinsternis dieses Monats anzeigen</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Crescendar&apos;s home page, shipped with the program (opens in your browser)</source>
        <translation>Die Startseite von Crescendar, mit dem Programm geliefert (öffnet sich im Browser)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Change configuration parameters</source>
        <translation>Einstellungen ändern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Display online help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Display version information</source>
        <translation>Versionsinformationen anzeigen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Minimize Crescendar</source>
        <translation>Crescendar minimieren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit Crescendar</source>
        <translation>Crescendar beenden</translation>
    </message>
    <message>
        <source>Choose the month</source>
        <translation>Monat wählen</translation>
    </message>
    <message>
        <source>Pick the month to show</source>
        <translation>Den anzuzeigenden Monat wählen</translation>
    </message>
    <message>
        <source>Change the year</source>
        <translation>Jahr ändern</translation>
    </message>
    <message>
        <source>Type the year to show</source>
        <translation>Das anzuzeigende Jahr eingeben</translation>
    </message>
    <message>
        <source>Date information</source>
        <translation>Angaben zum Datum</translation>
    </message>
    <message>
        <source>Show the facts of the selected date</source>
        <translation>Die Angaben zum gewählten Datum zeigen</translation>
    </message>
    <message>
        <source>Select this date</source>
        <translation>Dieses Datum wählen</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Vorheriger Tag</translation>
    </message>
    <message>
        <source>Select the day before</source>
        <translation>Den Vortag wählen</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>Select the day after</source>
        <translation>Den Folgetag wählen</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>Vorherige Woche</translation>
    </message>
    <message>
        <source>Select the same day a week earlier</source>
        <translation>Denselben Tag eine Woche früher wählen</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Nächste Woche</translation>
    </message>
    <message>
        <source>Select the same day a week later</source>
        <translation>Denselben Tag eine Woche später wählen</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Go back to the running clock: today, now</source>
        <translation>Zur laufenden Uhr zurückkehren: heute, jetzt</translation>
    </message>
    <message>
        <source>Cancel the edit</source>
        <translation>Bearbeitung abbrechen</translation>
    </message>
    <message>
        <source>Close the time or year editor as it was</source>
        <translation>Den Zeit- oder Jahreseditor unverändert schließen</translation>
    </message>
    <message>
        <source>Accept the edit</source>
        <translation>Eingabe übernehmen</translation>
    </message>
    <message>
        <source>Take the time or year typed</source>
        <translation>Die eingegebene Zeit oder das eingegebene Jahr übernehmen</translation>
    </message>
    <message>
        <source>Change the time within Crescendar (%1; then %2 accepts, %3 cancels)</source>
        <translation>Die Zeit in Crescendar ändern (%1; dann übernimmt %2, %3 bricht ab)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1, %2° %3&apos; %4&quot; %5, %6° %7&apos; %8&quot; %9</source>
        <translation>%1, %2° %3&apos; %4&quot; %5, %6° %7&apos; %8&quot; %9</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>%1, %2 % illuminated</source>
        <translation>%1, zu %2 % beleuchtet</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Meridiandurchgang des Mondes</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
</context>
<context>
    <name>crescendar::TMonthList</name>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TMonthlyPhases</name>
    <message>
        <source>Moon Phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save image to disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the calendar to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap pictures (*.bmp *.BMP);;PNG pictures (*.png *.PNG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture was not saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TObservingAid</name>
    <message>
        <source>Lunar Visibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visibility chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished">Drucken</translation>
    </message>
    <message>
        <source>Print this chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day or night view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch between the night view (noon to noon) and the day view (midnight to midnight)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the hour grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy this chart to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Visibility, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the Moon is up on each day of %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lunar visibility chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TPrintOptions</name>
    <message>
        <source>Print Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A drawing of the Moon in every day&apos;s box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marks and times of new, full and quarter Moons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonrise, transit and moonset of every day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise, transit and sunset of every day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Moon phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How dark the Moons are printed, 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase density %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up and Down change the density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store the choices and print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your print choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click OK again to print without saving them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TReportMenu</name>
    <message>
        <source>Export to Calendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished">Berichte</translation>
    </message>
    <message>
        <source>Lunar visibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart when the Moon is up through the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find eclipses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the lunar eclipses between two years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Moon&apos;s phase on every day of the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equinoxes and solstices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the year&apos;s equinoxes and solstices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the date of Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Moon&apos;s events of some years as a calendar file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TTimesList</name>
    <message>
        <source>Monthly Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished">Drucken</translation>
    </message>
    <message>
        <source>Send the information on this screen to the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll information up on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll information down on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this month&apos;s table as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished">Kopieren</translation>
    </message>
    <message>
        <source>Copy this month&apos;s table for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times of the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crescendar times %1-%2.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The times table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crescendar::TWebMenu</name>
    <message>
        <source>Lunar Web Sites</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
