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
        <translation>Kommagetrennte Werte (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>%1 was not saved: %2.</source>
        <translation>%1 wurde nicht gespeichert: %2.</translation>
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
        <translation>Über Crescendar</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>crescendar::TCalendarExport</name>
    <message>
        <source>Calendar Export</source>
        <translation>Kalenderexport</translation>
    </message>
    <message>
        <source>Close without exporting</source>
        <translation>Ohne Export schließen</translation>
    </message>
    <message>
        <source>Moon phases</source>
        <translation>Mondphasen</translation>
    </message>
    <message>
        <source>Lunar eclipses</source>
        <translation>Mondfinsternisse</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Perigäum und Apogäum</translation>
    </message>
    <message>
        <source>Equinoxes, solstices</source>
        <translation>Äquinoktien, Solstitien</translation>
    </message>
    <message>
        <source>The first year of the calendar</source>
        <translation>Das erste Jahr des Kalenders</translation>
    </message>
    <message>
        <source>The last year of the calendar</source>
        <translation>Das letzte Jahr des Kalenders</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Von Jahr</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Bis Jahr</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Choose a file and save the events in it</source>
        <translation>Eine Datei wählen und die Ereignisse darin speichern</translation>
    </message>
    <message>
        <source>A year must lie between %1 and %2.</source>
        <translation>Ein Jahr muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>One calendar takes at most %1 years.</source>
        <translation>Ein Kalender umfasst höchstens %1 Jahre.</translation>
    </message>
    <message>
        <source>Crescendar %1.ics</source>
        <translation>Crescendar %1.ics</translation>
    </message>
    <message>
        <source>Crescendar %1-%2.ics</source>
        <translation>Crescendar %1-%2.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ICS)</source>
        <translation>iCalendar-Dateien (*.ics *.ICS)</translation>
    </message>
    <message>
        <source>The calendar was not saved: %1.</source>
        <translation>Der Kalender wurde nicht gespeichert: %1.</translation>
    </message>
</context>
<context>
    <name>crescendar::TConfiguration</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the window, asking whether to save changes</source>
        <translation>Das Fenster schließen und vorher fragen, ob Änderungen gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Speichern und schließen</translation>
    </message>
    <message>
        <source>Save the settings and close</source>
        <translation>Die Einstellungen speichern und schließen</translation>
    </message>
    <message>
        <source>Saves the settings and closes the window. %1 asks whether to save changes.</source>
        <translation>Speichert die Einstellungen und schließt das Fenster. %1 fragt, ob Änderungen gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breite in Grad</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Breite in Minuten</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Breite in Sekunden</translation>
    </message>
    <message>
        <source>Latitude north or south</source>
        <translation>Breite Nord oder Süd</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Länge in Grad</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Länge in Minuten</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Länge in Sekunden</translation>
    </message>
    <message>
        <source>Longitude east or west</source>
        <translation>Länge Ost oder West</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Day order</source>
        <translation>Erster Wochentag</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>The printer the calendar is printed for</source>
        <translation>Der Drucker, für den der Kalender gedruckt wird</translation>
    </message>
    <message>
        <source>these coordinates</source>
        <translation>diese Koordinaten</translation>
    </message>
    <message>
        <source>these coordinates (now “%1”)</source>
        <translation>diese Koordinaten (jetzt „%1“)</translation>
    </message>
    <message>
        <source>“%1” was not picked from the places offered. Keep it as the name of %2?</source>
        <translation>„%1“ wurde nicht aus den angebotenen Orten gewählt. Als Namen für %2 behalten?</translation>
    </message>
    <message>
        <source>Keep the Name</source>
        <translation>Namen behalten</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Zone names look like Europe/Paris or America/New_York.</source>
        <translation>Zonennamen lauten etwa Europe/Paris oder America/New_York.</translation>
    </message>
    <message>
        <source>The closest zone names are: %1.</source>
        <translation>Die ähnlichsten Zonennamen sind: %1.</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows. %2 The time zone stays %3.</source>
        <translation>„%1“ ist keine Zeitzone, die dieser Computer kennt. %2 Die Zeitzone bleibt %3.</translation>
    </message>
    <message>
        <source>Your changes to the settings have not been saved. Save them before the window closes?</source>
        <translation>Ihre Änderungen an den Einstellungen wurden noch nicht gespeichert. Möchten Sie sie speichern, bevor das Fenster geschlossen wird?</translation>
    </message>
</context>
<context>
    <name>crescendar::TDateInfoWindow</name>
    <message>
        <source>Date Information</source>
        <translation>Angaben zum Datum</translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation>Jul. Datum</translation>
    </message>
    <message>
        <source>Day Number</source>
        <translation>Tag im Jahr</translation>
    </message>
    <message>
        <source>Week Number</source>
        <translation>Kalenderwoche</translation>
    </message>
    <message>
        <source>Days Till Xmas</source>
        <translation>Bis Weihnachten</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>%1 at 0h UT</source>
        <translation>%1 um 0h UT</translation>
    </message>
</context>
<context>
    <name>crescendar::TEaster</name>
    <message>
        <source>Easter Sunday</source>
        <translation>Ostersonntag</translation>
    </message>
    <message>
        <source>Exit Crescendar</source>
        <translation>Crescendar beenden</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipse</name>
    <message>
        <source>Lunar Eclipse</source>
        <translation>Mondfinsternis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Finsternis</translation>
    </message>
    <message>
        <source>Other eclipse</source>
        <translation>Andere Finsternis</translation>
    </message>
    <message>
        <source>This month has two eclipses: show the other</source>
        <translation>Dieser Monat hat zwei Finsternisse: die andere zeigen</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Datum zeigen</translation>
    </message>
    <message>
        <source>Show this date in the main window</source>
        <translation>Dieses Datum im Hauptfenster zeigen</translation>
    </message>
    <message>
        <source>Double-click or press %1 to show this date in the main window</source>
        <translation>Doppelklicken oder %1 drücken, um dieses Datum im Hauptfenster zu zeigen</translation>
    </message>
    <message>
        <source>Eclipse diagram</source>
        <translation>Finsternisdiagramm</translation>
    </message>
    <message>
        <source>%1 of %2 ›</source>
        <translation>%1 von %2 ›</translation>
    </message>
    <message>
        <source>%1: the Moon&apos;s path across the Earth&apos;s penumbra and umbra</source>
        <translation>%1: die Bahn des Mondes durch den Halb- und Kernschatten der Erde</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Moon enters Penumbra</source>
        <translation>Eintritt Halbschatten</translation>
    </message>
    <message>
        <source>Moon enters Umbra</source>
        <translation>Eintritt Kernschatten</translation>
    </message>
    <message>
        <source>Start of Totality</source>
        <translation>Beginn der Totalität</translation>
    </message>
    <message>
        <source>Eclipse Maximum</source>
        <translation>Finsternismaximum</translation>
    </message>
    <message>
        <source>End of Totality</source>
        <translation>Ende der Totalität</translation>
    </message>
    <message>
        <source>Moon exits Umbra</source>
        <translation>Austritt Kernschatten</translation>
    </message>
    <message>
        <source>Moon exits Penumbra</source>
        <translation>Austritt Halbschatten</translation>
    </message>
    <message>
        <source>Eclipse Magnitude</source>
        <translation>Größe der Finsternis</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipseReport</name>
    <message>
        <source>Eclipse Finder</source>
        <translation>Finsternissuche</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Von Jahr</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Bis Jahr</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Calculate dates of eclipses between the two selected years</source>
        <translation>Die Daten der Finsternisse zwischen den beiden gewählten Jahren berechnen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop the search</source>
        <translation>Die Suche abbrechen</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Als CSV speichern…</translation>
    </message>
    <message>
        <source>Save the list as a CSV file</source>
        <translation>Die Liste als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>Copy the list for a spreadsheet</source>
        <translation>Die Liste für eine Tabellenkalkulation kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Finsternisse</translation>
    </message>
    <message>
        <source>Crescendar eclipses %1.csv</source>
        <translation>Crescendar Finsternisse %1.csv</translation>
    </message>
    <message>
        <source>Crescendar eclipses %1-%2.csv</source>
        <translation>Crescendar Finsternisse %1-%2.csv</translation>
    </message>
    <message>
        <source>The eclipse list</source>
        <translation>Die Finsternisliste</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>1 eclipse found</source>
        <translation>1 Finsternis gefunden</translation>
    </message>
    <message>
        <source>%1 eclipses found</source>
        <translation>%1 Finsternisse gefunden</translation>
    </message>
    <message>
        <source>Search cancelled</source>
        <translation>Suche abgebrochen</translation>
    </message>
</context>
<context>
    <name>crescendar::TEquinox</name>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation>Äquinoktien und Solstitien</translation>
    </message>
    <message>
        <source>Spring Equinox</source>
        <translation>Frühlingsanfang</translation>
    </message>
    <message>
        <source>Summer Solstice</source>
        <translation>Sommeranfang</translation>
    </message>
    <message>
        <source>Autumn Equinox</source>
        <translation>Herbstanfang</translation>
    </message>
    <message>
        <source>Winter Solstice</source>
        <translation>Winteranfang</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Length of the season from the %1</source>
        <translation>Länge der Jahreszeit ab %1</translation>
    </message>
    <message>
        <source>Seasons of %1 in the southern hemisphere</source>
        <translation>Jahreszeiten %1 auf der Südhalbkugel</translation>
    </message>
    <message>
        <source>Seasons of %1 in the northern hemisphere</source>
        <translation>Jahreszeiten %1 auf der Nordhalbkugel</translation>
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
        <translation>Monate</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
</context>
<context>
    <name>crescendar::TMonthlyPhases</name>
    <message>
        <source>Moon Phases</source>
        <translation>Mondphasen</translation>
    </message>
    <message>
        <source>Save image to disk</source>
        <translation>Das Bild auf dem Datenträger speichern</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Copy the calendar to the clipboard</source>
        <translation>Den Kalender in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Bitmap pictures (*.bmp *.BMP);;PNG pictures (*.png *.PNG)</source>
        <translation>Bitmap-Bilder (*.bmp *.BMP);;PNG-Bilder (*.png *.PNG)</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.</source>
        <translation>Das Bild wurde nicht gespeichert: %1.</translation>
    </message>
</context>
<context>
    <name>crescendar::TObservingAid</name>
    <message>
        <source>Lunar Visibility</source>
        <translation>Mondsichtbarkeit</translation>
    </message>
    <message>
        <source>Visibility chart</source>
        <translation>Sichtbarkeitsdiagramm</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print this chart</source>
        <translation>Dieses Diagramm drucken</translation>
    </message>
    <message>
        <source>Day or night view</source>
        <translation>Tag- oder Nachtansicht</translation>
    </message>
    <message>
        <source>Switch between the night view (noon to noon) and the day view (midnight to midnight)</source>
        <translation>Zwischen der Nachtansicht (Mittag bis Mittag) und der Tagansicht (Mitternacht bis Mitternacht) wechseln</translation>
    </message>
    <message>
        <source>Hour grid</source>
        <translation>Stundenraster</translation>
    </message>
    <message>
        <source>Show or hide the hour grid</source>
        <translation>Das Stundenraster ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Copy this chart to the clipboard</source>
        <translation>Dieses Diagramm in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Lunar Visibility, %1</source>
        <translation>Mondsichtbarkeit, %1</translation>
    </message>
    <message>
        <source>When the Moon is up on each day of %1 at %2</source>
        <translation>Wann der Mond an jedem Tag im %1 über dem Horizont steht, für %2</translation>
    </message>
    <message>
        <source>The lunar visibility chart</source>
        <translation>Das Diagramm der Mondsichtbarkeit</translation>
    </message>
</context>
<context>
    <name>crescendar::TPrintOptions</name>
    <message>
        <source>Print Calendar</source>
        <translation>Kalender drucken</translation>
    </message>
    <message>
        <source>A drawing of the Moon in every day&apos;s box</source>
        <translation>Eine Zeichnung des Mondes im Feld jedes Tages</translation>
    </message>
    <message>
        <source>Marks and times of new, full and quarter Moons</source>
        <translation>Zeichen und Zeiten von Neumond, Vollmond und den Vierteln</translation>
    </message>
    <message>
        <source>Moonrise, transit and moonset of every day</source>
        <translation>Mondaufgang, Meridiandurchgang und Monduntergang jedes Tages</translation>
    </message>
    <message>
        <source>Sunrise, transit and sunset of every day</source>
        <translation>Sonnenaufgang, Meridiandurchgang und Sonnenuntergang jedes Tages</translation>
    </message>
    <message>
        <source>Daily Moon phases</source>
        <translation>Tägliche Mondphasen</translation>
    </message>
    <message>
        <source>Principal phases</source>
        <translation>Hauptphasen</translation>
    </message>
    <message>
        <source>Moon times</source>
        <translation>Mondzeiten</translation>
    </message>
    <message>
        <source>Sun times</source>
        <translation>Sonnenzeiten</translation>
    </message>
    <message>
        <source>How dark the Moons are printed, 0 to 100</source>
        <translation>Wie dunkel die Monde gedruckt werden, 0 bis 100</translation>
    </message>
    <message>
        <source>Phase density %</source>
        <translation>Phasendichte %</translation>
    </message>
    <message>
        <source>Phase density</source>
        <translation>Phasendichte</translation>
    </message>
    <message>
        <source>Up and Down change the density</source>
        <translation>Die Pfeiltasten nach oben und unten ändern die Dichte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Store the choices and print</source>
        <translation>Die Auswahl speichern und drucken</translation>
    </message>
    <message>
        <source>Close without printing</source>
        <translation>Ohne Drucken schließen</translation>
    </message>
    <message>
        <source>Your print choices</source>
        <translation>Ihre Druckeinstellungen</translation>
    </message>
    <message>
        <source>Click OK again to print without saving them.</source>
        <translation>Klicken Sie erneut auf OK, um ohne Speichern zu drucken.</translation>
    </message>
    <message>
        <source>The calendar</source>
        <translation>Der Kalender</translation>
    </message>
</context>
<context>
    <name>crescendar::TReportMenu</name>
    <message>
        <source>Export to Calendar…</source>
        <translation>In Kalender exportieren…</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Lunar visibility</source>
        <translation>Mondsichtbarkeit</translation>
    </message>
    <message>
        <source>Chart when the Moon is up through the month</source>
        <translation>Diagramm, wann der Mond im Lauf des Monats über dem Horizont steht</translation>
    </message>
    <message>
        <source>Find eclipses</source>
        <translation>Finsternisse suchen</translation>
    </message>
    <message>
        <source>Find the lunar eclipses between two years</source>
        <translation>Die Mondfinsternisse zwischen zwei Jahren suchen</translation>
    </message>
    <message>
        <source>Display phases</source>
        <translation>Phasen anzeigen</translation>
    </message>
    <message>
        <source>Show the Moon&apos;s phase on every day of the month</source>
        <translation>Die Mondphase an jedem Tag des Monats zeigen</translation>
    </message>
    <message>
        <source>Equinoxes and solstices</source>
        <translation>Äquinoktien und Solstitien</translation>
    </message>
    <message>
        <source>Show the year&apos;s equinoxes and solstices</source>
        <translation>Die Tagundnachtgleichen und Sonnenwenden des Jahres zeigen</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Ostern</translation>
    </message>
    <message>
        <source>Show the date of Easter</source>
        <translation>Das Osterdatum zeigen</translation>
    </message>
    <message>
        <source>Calendar export</source>
        <translation>Kalenderexport</translation>
    </message>
    <message>
        <source>Save the Moon&apos;s events of some years as a calendar file</source>
        <translation>Die Mondereignisse einiger Jahre als Kalenderdatei speichern</translation>
    </message>
</context>
<context>
    <name>crescendar::TTimesList</name>
    <message>
        <source>Monthly Times</source>
        <translation>Monatszeiten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Send the information on this screen to the printer</source>
        <translation>Die Angaben dieses Fensters an den Drucker senden</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll information up on screen</source>
        <translation>Die Angaben auf dem Bildschirm nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Scroll information down on screen</source>
        <translation>Die Angaben auf dem Bildschirm nach unten scrollen</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Als CSV speichern…</translation>
    </message>
    <message>
        <source>Save this month&apos;s table as a CSV file</source>
        <translation>Die Tabelle dieses Monats als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy this month&apos;s table for a spreadsheet</source>
        <translation>Die Tabelle dieses Monats für eine Tabellenkalkulation kopieren</translation>
    </message>
    <message>
        <source>Times of the month</source>
        <translation>Zeiten des Monats</translation>
    </message>
    <message>
        <source>Crescendar times %1-%2.csv</source>
        <translation>Crescendar Zeiten %1-%2.csv</translation>
    </message>
    <message>
        <source>The times table</source>
        <translation>Die Zeitentabelle</translation>
    </message>
</context>
<context>
    <name>crescendar::TWebMenu</name>
    <message>
        <source>Lunar Web Sites</source>
        <translation>Websites über den Mond</translation>
    </message>
</context>
</TS>
