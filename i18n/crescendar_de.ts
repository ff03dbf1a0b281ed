<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AtomicFile</name>
    <message>
        <source>no reason was given</source>
        <translation>es wurde kein Grund genannt</translation>
    </message>
    <message>
        <source>the file %1 could not be written (%2)</source>
        <translation>die Datei %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the file %1 could not be written (%2); a file already there is unchanged</source>
        <translation>die Datei %1 konnte nicht geschrieben werden (%2); eine bereits vorhandene Datei bleibt unverändert</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>das Bild konnte nicht als %1 kodiert werden</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
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
        <source>Equinoxes and solstices</source>
        <translation>Äquinoktien und Solstitien</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>Local time: %1</source>
        <translation>Ortszeit: %1</translation>
    </message>
    <message>
        <source>The second full moon of the calendar month (%1)</source>
        <translation>Der zweite Vollmond des Kalendermonats (%1)</translation>
    </message>
    <message>
        <source>Distance of the Moon: %1 km</source>
        <translation>Entfernung des Mondes: %1 km</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1</source>
        <translation>Halbschattengröße %1</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, penumbral magnitude %2</source>
        <translation>Kernschattengröße %1, Halbschattengröße %2</translation>
    </message>
    <message>
        <source>Greatest eclipse %1 UTC</source>
        <translation>Maximum der Finsternis %1 UTC</translation>
    </message>
    <message>
        <source>Penumbra %1 to %2 UTC</source>
        <translation>Halbschatten %1 bis %2 UTC</translation>
    </message>
    <message>
        <source>Umbra %1 to %2 UTC</source>
        <translation>Kernschatten %1 bis %2 UTC</translation>
    </message>
    <message>
        <source>Totality %1 to %2 UTC</source>
        <translation>Totalität %1 bis %2 UTC</translation>
    </message>
    <message>
        <source>Local time: maximum %1</source>
        <translation>Ortszeit: Maximum %1</translation>
    </message>
    <message>
        <source>Seen from %1: %2</source>
        <translation>Von %1 aus: %2</translation>
    </message>
    <message>
        <source>Crescendar: the Moon and the seasons %1</source>
        <translation>Crescendar: der Mond und die Jahreszeiten %1</translation>
    </message>
    <message>
        <source>Solar eclipses</source>
        <translation>Sonnenfinsternisse</translation>
    </message>
    <message>
        <source>Worldwide: %1, greatest magnitude %2</source>
        <translation>Weltweit: %1, größte Größe %2</translation>
    </message>
    <message>
        <source>At the place: no eclipse seen</source>
        <translation>Am Ort: keine Finsternis zu sehen</translation>
    </message>
    <message>
        <source>At the place: %1</source>
        <translation>Am Ort: %1</translation>
    </message>
    <message>
        <source>%1, the Sun below the horizon</source>
        <translation>%1, die Sonne unter dem Horizont</translation>
    </message>
    <message>
        <source>First contact: %1</source>
        <translation>Erster Kontakt: %1</translation>
    </message>
    <message>
        <source>Second contact: %1</source>
        <translation>Zweiter Kontakt: %1</translation>
    </message>
    <message>
        <source>Maximum: %1</source>
        <translation>Maximum: %1</translation>
    </message>
    <message>
        <source>Third contact: %1</source>
        <translation>Dritter Kontakt: %1</translation>
    </message>
    <message>
        <source>Fourth contact: %1</source>
        <translation>Vierter Kontakt: %1</translation>
    </message>
    <message>
        <source>Magnitude %1, obscuration %2</source>
        <translation>Größe %1, Bedeckung %2</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1 is not a number: &quot;%2&quot;</source>
        <translation>%1 ist keine Zahl: „%2“</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3: &quot;%4&quot;</source>
        <translation>%1 muss zwischen %2 und %3 liegen: „%4“</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): &quot;%1&quot;</source>
        <translation>kein Datum (JJJJ-MM-TT): „%1“</translation>
    </message>
    <message>
        <source>no such date: &quot;%1&quot;</source>
        <translation>dieses Datum gibt es nicht: „%1“</translation>
    </message>
    <message>
        <source>no such date in %1: &quot;%2&quot; (the clocks passed over it)</source>
        <translation>dieses Datum gibt es in %1 nicht: „%2“ (die Uhren haben es übersprungen)</translation>
    </message>
    <message>
        <source>not a time (HH:MM[:SS]): &quot;%1&quot;</source>
        <translation>keine Uhrzeit (HH:MM[:SS]): „%1“</translation>
    </message>
    <message>
        <source>no such time: &quot;%1&quot;</source>
        <translation>diese Uhrzeit gibt es nicht: „%1“</translation>
    </message>
    <message>
        <source>not a month (YYYY-MM): &quot;%1&quot;</source>
        <translation>kein Monat (JJJJ-MM): „%1“</translation>
    </message>
    <message>
        <source>no such month: &quot;%1&quot;</source>
        <translation>diesen Monat gibt es nicht: „%1“</translation>
    </message>
    <message>
        <source>--place needs the name of a place</source>
        <translation>--place braucht den Namen eines Ortes</translation>
    </message>
    <message>
        <source>--place: no place matches &quot;%1&quot;</source>
        <translation>--place: kein Ort passt zu „%1“</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>zone must be a multiple of 0.5 hours: &quot;%1&quot;</source>
        <translation>die Zone muss ein Vielfaches von 0,5 Stunden sein: „%1“</translation>
    </message>
    <message>
        <source>--dst and --no-dst exclude each other</source>
        <translation>--dst und --no-dst schließen einander aus</translation>
    </message>
    <message>
        <source>--tz: no time zone is named &quot;%1&quot;</source>
        <translation>--tz: keine Zeitzone heißt „%1“</translation>
    </message>
    <message>
        <source>--place: the time zone &quot;%1&quot; of %2 is not known on this computer</source>
        <translation>--place: die Zeitzone „%1“ von %2 ist auf diesem Computer nicht bekannt</translation>
    </message>
    <message>
        <source>  Penumbral magnitude %1   Umbral magnitude %2</source>
        <translation>  Halbschattengröße %1   Kernschattengröße %2</translation>
    </message>
    <message>
        <source>  Penumbra %1</source>
        <translation>  Halbschatten %1</translation>
    </message>
    <message>
        <source>  Umbra %1</source>
        <translation>  Kernschatten %1</translation>
    </message>
    <message>
        <source>  Totality %1</source>
        <translation>  Totalität %1</translation>
    </message>
    <message>
        <source>  Maximum %1</source>
        <translation>  Maximum %1</translation>
    </message>
    <message>
        <source>%1h %2m %3s</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>Apogee:    %1%2</source>
        <translation>Apogäum:   %1%2</translation>
    </message>
    <message>
        <source>Perigee:   %1%2</source>
        <translation>Perigäum:  %1%2</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zeitzone:  %1</translation>
    </message>
    <message>
        <source>usage: moon [YYYY-MM-DD HH:MM[:SS]]</source>
        <translation>Aufruf: moon [JJJJ-MM-TT HH:MM[:SS]]</translation>
    </message>
    <message>
        <source>%1 - %2    LST: %3</source>
        <translation>%1 - %2    Sternzeit: %3</translation>
    </message>
    <message>
        <source>Visible:   %1%</source>
        <translation>Sichtbar:  %1 %</translation>
    </message>
    <message>
        <source>Age:       %1 %2 %3</source>
        <translation>Alter:     %1 %2 %3</translation>
    </message>
    <message>
        <source>Distance:  %1 km</source>
        <translation>Entfern.:  %1 km</translation>
    </message>
    <message>
        <source>R.A.:      %1</source>
        <translation>RA:        %1</translation>
    </message>
    <message>
        <source>Dec.:      %1</source>
        <translation>Dekl.:     %1</translation>
    </message>
    <message>
        <source>Parallax:  %1</source>
        <translation>Parallaxe: %1</translation>
    </message>
    <message>
        <source>Diameter:  %1</source>
        <translation>Durchm.:   %1</translation>
    </message>
    <message>
        <source>Moon  Az.: %1   Alt.: %2</source>
        <translation>Mond  Az.: %1   Höhe: %2</translation>
    </message>
    <message>
        <source>      P.A.: %1  Ph.A: %2</source>
        <translation>      PW:   %1  PhW:  %2</translation>
    </message>
    <message>
        <source>Sun   Az.: %1   Alt.: %2</source>
        <translation>Sonne Az.: %1   Höhe: %2</translation>
    </message>
    <message>
        <source>      R.A.: %1  Dec.: %2</source>
        <translation>      RA:   %1 Dekl.: %2</translation>
    </message>
    <message>
        <source>usage: phases [YYYY-MM]</source>
        <translation>Aufruf: phases [JJJJ-MM]</translation>
    </message>
    <message>
        <source>usage: riseset [YYYY-MM-DD]</source>
        <translation>Aufruf: riseset [JJJJ-MM-TT]</translation>
    </message>
    <message>
        <source>              Rise    Transit Set</source>
        <translation>              Aufgang Durchg. Untergang</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>              Start           End</source>
        <translation>              Beginn          Ende</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Bürgerlich</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Nautisch</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Astronomisch</translation>
    </message>
    <message>
        <source>Moon visible: %1% at 00:00</source>
        <translation>Sichtbarer Teil des Mondes um 00:00: %1 %</translation>
    </message>
    <message>
        <source>usage: month [YYYY-MM] [--csv]</source>
        <translation>Aufruf: month [JJJJ-MM] [--csv]</translation>
    </message>
    <message>
        <source>Date         LST       Moonrise Transit Moonset    %  Astro  Naut.  Civil  Sunrise Transit Sunset Civil  Naut.  Astro</source>
        <translation>Datum        Sternzeit Mondauf. Durchg. Mondunt.   %  Astr.  Naut.  Bürg.  Aufg.   Durchg. Unt.   Bürg.  Naut.  Astr.</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>a year is a whole number: &quot;%1&quot;</source>
        <translation>ein Jahr ist eine ganze Zahl: „%1“</translation>
    </message>
    <message>
        <source>usage: eclipses FROM TO (years)</source>
        <translation>Aufruf: eclipses VON BIS (Jahre)</translation>
    </message>
    <message>
        <source>the From year must not be after the To year</source>
        <translation>das Jahr VON darf nicht nach dem Jahr BIS liegen</translation>
    </message>
    <message>
        <source>usage: ics FROM [TO] [--only phases,eclipses,apsides,seasons] [-o FILE]</source>
        <translation>Aufruf: ics VON [BIS] [--only phases,eclipses,apsides,seasons] [-o DATEI]</translation>
    </message>
    <message>
        <source>ics: the From year must not be after the To year</source>
        <translation>ics: das Jahr VON darf nicht nach dem Jahr BIS liegen</translation>
    </message>
    <message>
        <source>ics: a calendar can be exported for the years %1 to %2 only: &quot;%3&quot;</source>
        <translation>ics: ein Kalender kann nur für die Jahre %1 bis %2 exportiert werden: „%3“</translation>
    </message>
    <message>
        <source>--only needs one or more of phases, eclipses, apsides, seasons</source>
        <translation>--only braucht eine oder mehrere der Arten phases, eclipses, apsides, seasons</translation>
    </message>
    <message>
        <source>--only: unknown kind &quot;%1&quot; (phases, eclipses, apsides, seasons)</source>
        <translation>--only: unbekannte Art „%1“ (phases, eclipses, apsides, seasons)</translation>
    </message>
    <message>
        <source>the calendar was not written to &quot;%1&quot;: %2</source>
        <translation>der Kalender wurde nicht in „%1“ geschrieben: %2</translation>
    </message>
    <message>
        <source>usage: seasons [YYYY]</source>
        <translation>Aufruf: seasons [JJJJ]</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Frühling </translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer   </translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Herbst   </translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter   </translation>
    </message>
    <message>
        <source>usage: easter [YYYY]</source>
        <translation>Aufruf: easter [JJJJ]</translation>
    </message>
    <message>
        <source>Easter Sunday: %1</source>
        <translation>Ostersonntag: %1</translation>
    </message>
    <message>
        <source>usage: dateinfo [YYYY-MM-DD]</source>
        <translation>Aufruf: dateinfo [JJJJ-MM-TT]</translation>
    </message>
    <message>
        <source>Julian Day:          %1 at 0h UT</source>
        <translation>Julianisches Datum:  %1 um 0h UT</translation>
    </message>
    <message>
        <source>Day number:          %1</source>
        <translation>Tag im Jahr:         %1</translation>
    </message>
    <message>
        <source>Week number:         %1</source>
        <translation>Kalenderwoche:       %1</translation>
    </message>
    <message>
        <source>Days till Christmas: %1</source>
        <translation>Bis Weihnachten:     %1</translation>
    </message>
    <message>
        <source>usage: perigee [YYYY-MM-DD [HH:MM]]</source>
        <translation>Aufruf: perigee [JJJJ-MM-TT [HH:MM]]</translation>
    </message>
    <message>
        <source>usage: places NAME</source>
        <translation>Aufruf: places NAME</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot;.</source>
        <translation>Kein Ort passt zu „%1“.</translation>
    </message>
    <message>
        <source>Name                      Region                    Country                   Latitude   Longitude  Time zone                      Population</source>
        <translation>Name                      Region                    Land                      Breite     Länge      Zeitzone                       Einwohner</translation>
    </message>
    <message>
        <source>the output accepted no more text</source>
        <translation>die Ausgabe hat keinen weiteren Text angenommen</translation>
    </message>
    <message>
        <source>the answer could not be written to standard output: %1</source>
        <translation>die Antwort konnte nicht auf die Standardausgabe geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Latitude in degrees, north positive.</source>
        <translation>Breite in Grad, Norden positiv.</translation>
    </message>
    <message>
        <source>Longitude in degrees, east positive.</source>
        <translation>Länge in Grad, Osten positiv.</translation>
    </message>
    <message>
        <source>Offset of local standard time from UT, hours (multiple of 0.5).</source>
        <translation>Unterschied der örtlichen Normalzeit zu UT in Stunden (Vielfaches von 0,5).</translation>
    </message>
    <message>
        <source>Daylight saving time in force.</source>
        <translation>Sommerzeit gilt.</translation>
    </message>
    <message>
        <source>No daylight saving time.</source>
        <translation>Keine Sommerzeit.</translation>
    </message>
    <message>
        <source>Time zone by name, as Europe/London (overrides --zone and --dst).</source>
        <translation>Zeitzone mit Namen, etwa Europe/London (ersetzt --zone und --dst).</translation>
    </message>
    <message>
        <source>The largest place of that name: its latitude, longitude and time zone, unless --lat, --lon, --tz or --zone/--dst/--no-dst are given.</source>
        <translation>Der größte Ort dieses Namens: seine Breite, Länge und Zeitzone, sofern nicht --lat, --lon, --tz oder --zone/--dst/--no-dst angegeben sind.</translation>
    </message>
    <message>
        <source>Answer as one JSON object.</source>
        <translation>Antwort als ein JSON-Objekt.</translation>
    </message>
    <message>
        <source>month: the table as comma-separated values.</source>
        <translation>month: die Tabelle als kommagetrennte Werte.</translation>
    </message>
    <message>
        <source>ics: only these kinds of event, comma-separated: phases, eclipses, apsides, seasons.</source>
        <translation>ics: nur diese Arten von Ereignissen, durch Kommas getrennt: phases, eclipses, apsides, seasons.</translation>
    </message>
    <message>
        <source>ics: write the calendar to FILE instead of standard output.</source>
        <translation>ics: den Kalender in DATEI statt auf die Standardausgabe schreiben.</translation>
    </message>
    <message>
        <source>see the list of commands above</source>
        <translation>siehe die Liste der Befehle oben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option, nor a date or year: dates and years are written without a minus sign, from year 1 to 9999</source>
        <translation>„%1“ ist weder eine Option noch ein Datum oder Jahr: Daten und Jahre werden ohne Minuszeichen geschrieben, vom Jahr 1 bis 9999</translation>
    </message>
    <message>
        <source>a command is needed (see --help)</source>
        <translation>ein Befehl wird benötigt (siehe --help)</translation>
    </message>
    <message>
        <source>--csv applies to the month command only</source>
        <translation>--csv gilt nur für den Befehl month</translation>
    </message>
    <message>
        <source>--csv and --json exclude each other</source>
        <translation>--csv und --json schließen einander aus</translation>
    </message>
    <message>
        <source>--%1 applies to the ics command only</source>
        <translation>--%1 gilt nur für den Befehl ics</translation>
    </message>
    <message>
        <source>--json does not apply to the ics command</source>
        <translation>--json gilt nicht für den Befehl ics</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>DEG</source>
        <translation>GRAD</translation>
    </message>
    <message>
        <source>HOURS</source>
        <translation>STUNDEN</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>KINDS</source>
        <translation>ARTEN</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>the places and ics commands and --place need the program %1, which could not be started: %2</source>
        <translation>die Befehle places und ics und --place brauchen das Programm %1, das nicht gestartet werden konnte: %2</translation>
    </message>
    <message>
        <source>Worldwide: %1, greatest eclipse %2 %3, magnitude %4</source>
        <translation>Weltweit: %1, größte Finsternis %2 %3, Größe %4</translation>
    </message>
    <message>
        <source>The Moon&apos;s shadow misses this place.</source>
        <translation>Der Mondschatten verfehlt diesen Ort.</translation>
    </message>
    <message>
        <source>The Sun is below the horizon throughout.</source>
        <translation>Die Sonne steht die ganze Zeit unter dem Horizont.</translation>
    </message>
    <message>
        <source>Sun at %1</source>
        <translation>Sonne bei %1</translation>
    </message>
    <message>
        <source>Sun below the horizon</source>
        <translation>Sonne unter dem Horizont</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Beginn Totalität</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Beginn Ringphase</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Ende Totalität</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Ende Ringphase</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Magnitude %1   Obscuration %2</source>
        <translation>Größe %1   Bedeckung %2</translation>
    </message>
    <message>
        <source>Totality lasts %1</source>
        <translation>Totalität dauert %1</translation>
    </message>
    <message>
        <source>Annularity lasts %1</source>
        <translation>Ringphase dauert %1</translation>
    </message>
    <message>
        <source>--kind must be lunar, solar or both: &quot;%1&quot;</source>
        <translation>--kind muss lunar, solar oder both sein: „%1“</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the kind of solar eclipse at the place, its visibility</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>usage: solar YYYY-MM-DD</source>
        <translation>Aufruf: solar JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>no solar eclipse on &quot;%1&quot;</source>
        <translation>keine Sonnenfinsternis am „%1“</translation>
    </message>
    <message>
        <source>The Moon and the Sun for the observer of the saved settings.

Commands:
  moon [YYYY-MM-DD HH:MM[:SS]]   the Moon and the Sun at a local instant (default now)
  phases [YYYY-MM]               the principal phases of a month
  perigee [YYYY-MM-DD [HH:MM]]   the next perigee and apogee
  riseset [YYYY-MM-DD]           rise, transit and set of the Moon and Sun, twilights
  month [YYYY-MM] [--csv]        the month&apos;s table of rise, transit and set times
  eclipses FROM TO [--kind KIND] the lunar or solar eclipses of a range of years
  solar YYYY-MM-DD               the solar eclipse of a date as the place sees it
  ics FROM [TO] [--only KINDS] [-o FILE]
                                 the years&apos; phases, eclipses, perigees and apogees,
                                 equinoxes and solstices as an iCalendar file (UTC)
  seasons [YYYY]                 the equinoxes and solstices of a year
  easter [YYYY]                  the date of Easter Sunday
  dateinfo [YYYY-MM-DD]          Julian Day, day number, week, days till Christmas
  places NAME                    the places of that name, largest first

Every answer names the time zone it is given in.</source>
        <translation>Mond und Sonne für den Beobachter der gespeicherten Einstellungen.

Befehle:
  moon [JJJJ-MM-TT HH:MM[:SS]]   Mond und Sonne zu einem örtlichen Zeitpunkt (Vorgabe: jetzt)
  phases [JJJJ-MM]               die Hauptphasen eines Monats
  perigee [JJJJ-MM-TT [HH:MM]]   das nächste Perigäum und Apogäum
  riseset [JJJJ-MM-TT]           Auf- und Untergang, Durchgang von Mond und Sonne; Dämmerungen
  month [JJJJ-MM] [--csv]        die Monatstabelle der Auf-, Durchgangs- und Untergangszeiten
  eclipses VON BIS [--kind ART]  die Mond- oder Sonnenfinsternisse eines Zeitraums von Jahren
  solar JJJJ-MM-TT               die Sonnenfinsternis eines Datums, wie der Ort sie sieht
  ics VON [BIS] [--only ARTEN] [-o DATEI]
                                 Phasen, Finsternisse, Perigäen und Apogäen, Tagundnachtgleichen
                                 und Sonnenwenden der Jahre als iCalendar-Datei (UTC)
  seasons [JJJJ]                 die Tagundnachtgleichen und Sonnenwenden eines Jahres
  easter [JJJJ]                  das Datum des Ostersonntags
  dateinfo [JJJJ-MM-TT]          Julianisches Datum, Tag im Jahr, Woche, Tage bis Weihnachten
  places NAME                    die Orte dieses Namens, der größte zuerst

Jede Antwort nennt die Zeitzone, in der sie angegeben ist.</translation>
    </message>
    <message>
        <source>eclipses: lunar (the default), solar, or both in one list.</source>
        <translation>eclipses: lunar (Mondfinsternisse, Vorgabe), solar (Sonnenfinsternisse) oder both (beide in einer Liste).</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>ART</translation>
    </message>
    <message>
        <source>--kind applies to the eclipses command only</source>
        <translation>--kind gilt nur für den Befehl eclipses</translation>
    </message>
    <message>
        <source>the program %1, which answers this command line, could not be started: %2</source>
        <translation>das Programm %1, das diese Befehlszeile beantwortet, konnte nicht gestartet werden: %2</translation>
    </message>
</context>
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
    <name>Dialogs</name>
    <message>
        <source>%1 could not be saved: %2. They apply only until Crescendar is closed. %3</source>
        <translation>%1 konnten nicht gespeichert werden: %2. Sie gelten nur, bis Crescendar geschlossen wird. %3</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is a symbolic link in the shared folder %1 that belongs to another user, and such a link is not followed</source>
        <translation>das Ziel ist ein symbolischer Link im gemeinsam genutzten Ordner %1, der einem anderen Benutzer gehört, und einem solchen Link wird nicht gefolgt</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>das Ziel hat sich beim Öffnen verändert</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das Ziel ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file, a character device or a pipe</source>
        <translation>das Ziel ist weder eine normale Datei noch ein Zeichengerät oder eine Pipe</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Printed by Crescendar V%1 (home page: %2, installed with the program)</source>
        <translation>Gedruckt mit Crescendar V%1 (Startseite: %2, mit dem Programm installiert)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Latitude: %1,   Longitude: %2</source>
        <translation>Breite: %1,   Länge: %2</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>the page has no size</source>
        <translation>die Seite hat keine Größe</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>the printer %1 could not be opened</source>
        <translation>der Drucker %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the page could not be sent to the printer %1</source>
        <translation>die Seite konnte nicht an den Drucker %1 gesendet werden</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>%1 was not printed: %2.</source>
        <translation>%1 wurde nicht gedruckt: %2.</translation>
    </message>
    <message>
        <source>the PDF file %1 could not be created</source>
        <translation>die PDF-Datei %1 konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the value on line %1 runs on to the next line</source>
        <translation>der Wert in Zeile %1 reicht bis in die nächste Zeile</translation>
    </message>
    <message>
        <source>a quotation mark on line %1 is not closed</source>
        <translation>ein Anführungszeichen in Zeile %1 wird nicht geschlossen</translation>
    </message>
    <message>
        <source>the group name on line %1 has no closing ]</source>
        <translation>dem Gruppennamen in Zeile %1 fehlt die schließende ]</translation>
    </message>
    <message>
        <source>line %1 is not a name=value line</source>
        <translation>Zeile %1 ist keine Zeile der Form Name=Wert</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>sie ist ein Ordner, keine normale Datei</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>sie ist größer als %1</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only, so it cannot be written</source>
        <translation>die Einstellungsdatei %1 ist schreibgeschützt und kann daher nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the settings file %1 could not be created: its folder cannot be made</source>
        <translation>die Einstellungsdatei %1 konnte nicht angelegt werden: ihr Ordner lässt sich nicht erstellen</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written (%2)</source>
        <translation>die Einstellungsdatei %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The settings file %1 could not be used: %2. Crescendar runs on the default settings and leaves that file as it is.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht verwendet werden: %2. Crescendar läuft mit den Voreinstellungen und lässt diese Datei unverändert.</translation>
    </message>
    <message>
        <source>Some values in the settings file %1 are not used, and their defaults apply instead: %2.</source>
        <translation>Einige Werte in der Einstellungsdatei %1 werden nicht verwendet; stattdessen gelten ihre Voreinstellungen: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only, so changes made now will not be saved.</source>
        <translation>Die Einstellungsdatei %1 ist schreibgeschützt; Änderungen werden daher nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so changes made now will be lost when Crescendar closes.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden; Änderungen gehen daher verloren, wenn Crescendar geschlossen wird.</translation>
    </message>
    <message>
        <source>the settings file %1 cannot hold a value named %2</source>
        <translation>die Einstellungsdatei %1 kann keinen Wert namens %2 aufnehmen</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged: %2</source>
        <translation>die Einstellungsdatei %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>the settings file %1 no longer exists</source>
        <translation>die Einstellungsdatei %1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>the settings file %1 holds no Crescendar settings</source>
        <translation>die Einstellungsdatei %1 enthält keine Einstellungen von Crescendar</translation>
    </message>
    <message>
        <source>the settings file %1 cannot hold a window named %2</source>
        <translation>die Einstellungsdatei %1 kann kein Fenster namens %2 aufnehmen</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <source>neither %1 nor %2</source>
        <translation>weder %1 noch %2</translation>
    </message>
    <message>
        <source>not from 0 to %1</source>
        <translation>nicht zwischen 0 und %1</translation>
    </message>
    <message>
        <source>not a date with a day, a month and a year</source>
        <translation>kein Datum mit Tag, Monat und Jahr</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>not a time zone this computer knows</source>
        <translation>keine Zeitzone, die dieser Computer kennt</translation>
    </message>
    <message>
        <source>neither System nor a language of the program (en, de, fr, es)</source>
        <translation>weder System noch eine Sprache des Programms (en, de, fr, es)</translation>
    </message>
    <message>
        <source>more than %1 degrees</source>
        <translation>mehr als %1 Grad</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>The web page could not be opened: no web browser answered. Please open this address in your browser by hand:
%1</source>
        <translation>Die Webseite konnte nicht geöffnet werden: Kein Webbrowser hat geantwortet. Bitte öffnen Sie diese Adresse von Hand in Ihrem Browser:
%1</translation>
    </message>
    <message>
        <source>%1 could not be opened: no program answered to show it. Please open this file by hand, for instance in your web browser:
%2</source>
        <translation>%1 konnte nicht geöffnet werden: Kein Programm hat sich zur Anzeige gemeldet. Bitte öffnen Sie diese Datei von Hand, zum Beispiel in Ihrem Webbrowser:
%2</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Crescendar cannot open a display (%1). Run it on a desktop, or under a virtual display: xvfb-run -a %2</source>
        <translation>Crescendar kann keine Anzeige öffnen (%1). Starten Sie es auf einem Desktop oder mit einer virtuellen Anzeige: xvfb-run -a %2</translation>
    </message>
    <message>
        <source>cannot make a temporary folder</source>
        <translation>ein temporärer Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>TPrint</name>
    <message>
        <source>MR:</source>
        <translation>MA:</translation>
    </message>
    <message>
        <source>TR:</source>
        <translation>MD:</translation>
    </message>
    <message>
        <source>MS:</source>
        <translation>MU:</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>SA:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>SU:</translation>
    </message>
    <message>
        <source>Crescendar %1</source>
        <translation>Crescendar %1</translation>
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
    <name>TableText</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Meridiandurchgang des Mondes</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Moon lit (%)</source>
        <translation>Mond beleuchtet (%)</translation>
    </message>
    <message>
        <source>Astronomical twilight (morning)</source>
        <translation>Astronomische Dämmerung (morgens)</translation>
    </message>
    <message>
        <source>Nautical twilight (morning)</source>
        <translation>Nautische Dämmerung (morgens)</translation>
    </message>
    <message>
        <source>Civil twilight (morning)</source>
        <translation>Bürgerliche Dämmerung (morgens)</translation>
    </message>
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
        <source>Civil twilight (evening)</source>
        <translation>Bürgerliche Dämmerung (abends)</translation>
    </message>
    <message>
        <source>Nautical twilight (evening)</source>
        <translation>Nautische Dämmerung (abends)</translation>
    </message>
    <message>
        <source>Astronomical twilight (evening)</source>
        <translation>Astronomische Dämmerung (abends)</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Finsternis</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Sichtbarkeit</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Gestirn</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <extracomment>The second full moon of a calendar month</extracomment>
        <translation>Blue Moon</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Full (Blue) Moon</source>
        <extracomment>The phase of a moment at a blue moon</extracomment>
        <translation>Vollmond (Blue Moon)</translation>
    </message>
    <message>
        <source>Full (%1) Moon</source>
        <extracomment>The phase of a moment at full moon; %1 is the month&apos;s traditional full moon name</extracomment>
        <translation>Vollmond (%1)</translation>
    </message>
    <message>
        <source>Wolf</source>
        <extracomment>Traditional name of January&apos;s full moon, put into &quot;Full (%1) Moon&quot;</extracomment>
        <translation>Wolfsmond</translation>
    </message>
    <message>
        <source>Snow</source>
        <extracomment>February&apos;s full moon</extracomment>
        <translation>Schneemond</translation>
    </message>
    <message>
        <source>Worm</source>
        <extracomment>March&apos;s full moon</extracomment>
        <translation>Wurmmond</translation>
    </message>
    <message>
        <source>Pink</source>
        <extracomment>April&apos;s full moon</extracomment>
        <translation>Rosa Mond</translation>
    </message>
    <message>
        <source>Flower</source>
        <extracomment>May&apos;s full moon</extracomment>
        <translation>Blumenmond</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <extracomment>June&apos;s full moon</extracomment>
        <translation>Erdbeermond</translation>
    </message>
    <message>
        <source>Buck</source>
        <extracomment>July&apos;s full moon</extracomment>
        <translation>Hirschmond</translation>
    </message>
    <message>
        <source>Sturgeon</source>
        <extracomment>August&apos;s full moon</extracomment>
        <translation>Störmond</translation>
    </message>
    <message>
        <source>Harvest</source>
        <extracomment>September&apos;s full moon</extracomment>
        <translation>Erntemond</translation>
    </message>
    <message>
        <source>Hunter&apos;s</source>
        <extracomment>October&apos;s full moon</extracomment>
        <translation>Jägermond</translation>
    </message>
    <message>
        <source>Beaver</source>
        <extracomment>November&apos;s full moon</extracomment>
        <translation>Bibermond</translation>
    </message>
    <message>
        <source>Cold</source>
        <extracomment>December&apos;s full moon</extracomment>
        <translation>Kalter Mond</translation>
    </message>
    <message>
        <source>Penumbral Lunar Eclipse</source>
        <translation>Halbschatten-Mondfinsternis</translation>
    </message>
    <message>
        <source>Partial Lunar Eclipse</source>
        <translation>Partielle Mondfinsternis</translation>
    </message>
    <message>
        <source>Total Lunar Eclipse</source>
        <translation>Totale Mondfinsternis</translation>
    </message>
    <message>
        <source>Penumbral Eclipse</source>
        <translation>Halbschattenfinsternis</translation>
    </message>
    <message>
        <source>Partial Eclipse</source>
        <translation>Partielle Finsternis</translation>
    </message>
    <message>
        <source>Total Eclipse</source>
        <translation>Totale Finsternis</translation>
    </message>
    <message>
        <source>Penumbral</source>
        <extracomment>An eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Halbschatten</translation>
    </message>
    <message>
        <source>Partial</source>
        <extracomment>An eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Partiell</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>An eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Visible</source>
        <extracomment>Whether an eclipse can be seen from the observer&apos;s place</extracomment>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation>Teils sichtbar</translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation>Nicht sichtbar</translation>
    </message>
    <message>
        <source>March Equinox</source>
        <translation>Tagundnachtgleiche im März</translation>
    </message>
    <message>
        <source>June Solstice</source>
        <translation>Sonnenwende im Juni</translation>
    </message>
    <message>
        <source>September Equinox</source>
        <translation>Tagundnachtgleiche im September</translation>
    </message>
    <message>
        <source>December Solstice</source>
        <translation>Sonnenwende im Dezember</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigäum</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogäum</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In place of a rise, transit or set time: the body does not cross that altitude on the date. At most five characters.</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 days</source>
        <extracomment>The length of a season, %1 a decimal number such as 92.75</extracomment>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>Skipped: the clocks passed over this date</source>
        <translation>Übersprungen: Die Uhren haben dieses Datum ausgelassen</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>One-letter unit of the Moon&apos;s age: days</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>One-letter unit of the Moon&apos;s age: hours</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>One-letter unit of the Moon&apos;s age: minutes</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>Partial Solar Eclipse</source>
        <translation>Partielle Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Annular Solar Eclipse</source>
        <translation>Ringförmige Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Total Solar Eclipse</source>
        <translation>Totale Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Hybrid Solar Eclipse</source>
        <extracomment>A solar eclipse that is total along part of its track and annular along the rest</extracomment>
        <translation>Hybride Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Annular</source>
        <extracomment>A solar eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Ringförmig</translation>
    </message>
    <message>
        <source>Hybrid</source>
        <extracomment>A solar eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Hybrid</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>The length of totality or annularity: %1 minutes, %2 seconds (0-59)</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, %1 a whole number such as 45</extracomment>
        <translation>%1 %</translation>
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
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The Moon at your place and time</source>
        <translation>Der Mond an Ihrem Ort zu Ihrer Zeit</translation>
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
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>New moons, first quarters, full moons and last quarters</source>
        <translation>Neumonde, erste Viertel, Vollmonde und letzte Viertel</translation>
    </message>
    <message>
        <source>The Moon nearest to and farthest from the Earth</source>
        <translation>Der Mond in größter Erdnähe und Erdferne</translation>
    </message>
    <message>
        <source>The equinoxes and solstices</source>
        <translation>Die Tagundnachtgleichen und Sonnenwenden</translation>
    </message>
    <message>
        <source>Please type a year in both boxes.</source>
        <translation>Bitte geben Sie in beide Felder ein Jahr ein.</translation>
    </message>
    <message>
        <source>The &quot;From&quot; year must not be later than the &quot;To&quot; year.</source>
        <translation>Das Jahr „Von“ darf nicht nach dem Jahr „Bis“ liegen.</translation>
    </message>
    <message>
        <source>Please choose at least one kind of event.</source>
        <translation>Bitte wählen Sie mindestens eine Art von Ereignis.</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Finsternisse</translation>
    </message>
    <message>
        <source>Lunar eclipses, from the first to the last contact with the penumbra, and solar eclipses, from the first to the last contact at the place where it sees them</source>
        <translation>Mondfinsternisse vom ersten bis zum letzten Kontakt mit dem Halbschatten, und Sonnenfinsternisse, die der Ort sieht, vom ersten bis zum letzten Kontakt dort</translation>
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
    <message>
        <source>GMT %1 %2:%3</source>
        <translation>GMT %1 %2:%3</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>No place found</source>
        <translation>Kein Ort gefunden</translation>
    </message>
    <message>
        <source>Day Order:</source>
        <translation>Woche:</translation>
    </message>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Sonntag - Samstag</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Montag - Sonntag</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Dienstag - Montag</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Mittwoch - Dienstag</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Donnerstag - Mittwoch</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Freitag - Donnerstag</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Samstag - Freitag</translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Timezone:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>SZ:</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>B/W Inkjet</source>
        <translation>S/W-Tinte</translation>
    </message>
    <message>
        <source>Colour Inkjet</source>
        <translation>Farbtinte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>Minutes and seconds of arc must be from 00 to 59.</source>
        <translation>Bogenminuten und Bogensekunden müssen zwischen 00 und 59 liegen.</translation>
    </message>
    <message>
        <source>The latitude must be from 0° to 90°.</source>
        <translation>Die Breite muss zwischen 0° und 90° liegen.</translation>
    </message>
    <message>
        <source>The longitude must be from 0° to 180°.</source>
        <translation>Die Länge muss zwischen 0° und 180° liegen.</translation>
    </message>
    <message>
        <source>“%1” is not a date pattern: it needs a day (dd), a month (mm) and a year (yyyy), as in dd/mm/yyyy. The pattern %2 is kept.</source>
        <translation>„%1“ ist kein Datumsmuster: Es braucht einen Tag (dd), einen Monat (mm) und ein Jahr (yyyy), wie in dd/mm/yyyy. Das Muster %2 bleibt erhalten.</translation>
    </message>
    <message>
        <source>Your settings</source>
        <translation>Ihre Einstellungen</translation>
    </message>
    <message>
        <source>Click the exit again to close this window without saving them.</source>
        <translation>Klicken Sie erneut auf das Schließen-Zeichen, um dieses Fenster ohne Speichern zu schließen.</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Beobachter</translation>
    </message>
    <message>
        <source>Time and Printer</source>
        <translation>Zeit und Drucker</translation>
    </message>
    <message>
        <source>PRINTER</source>
        <translation>DRUCKER</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Crescendar will show its texts in the chosen language from its next start.</source>
        <translation>Crescendar zeigt seine Texte ab dem nächsten Start in der gewählten Sprache an.</translation>
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
    <message>
        <source>Sunday after the Paschal full moon</source>
        <translation>Sonntag nach dem Ostervollmond</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipse</name>
    <message>
        <source>Lunar Eclipse</source>
        <translation>Mondfinsternis</translation>
    </message>
    <message>
        <source>This month has two eclipses: show the other</source>
        <translation>Dieser Monat hat zwei Finsternisse: die andere zeigen</translation>
    </message>
    <message>
        <source>Eclipse diagram</source>
        <translation>Finsternisdiagramm</translation>
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
        <source>Search cancelled</source>
        <translation>Suche abgebrochen</translation>
    </message>
    <message>
        <source>The &quot;From&quot; year must not be later than the &quot;To&quot; year.</source>
        <translation>Das Jahr „Von“ darf nicht nach dem Jahr „Bis“ liegen.</translation>
    </message>
    <message>
        <source>Please type a year in both boxes.</source>
        <translation>Bitte geben Sie in beide Felder ein Jahr ein.</translation>
    </message>
    <message>
        <source>A year must lie between 1 and 9999.</source>
        <translation>Ein Jahr muss zwischen 1 und 9999 liegen.</translation>
    </message>
    <message numerus="yes">
        <source>%n eclipse(s) found</source>
        <translation>
            <numerusform>%n Finsternis gefunden</numerusform>
            <numerusform>%n Finsternisse gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>List the lunar eclipses</source>
        <translation>Die Mondfinsternisse auflisten</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>List the solar eclipses</source>
        <translation>Die Sonnenfinsternisse auflisten</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>List the lunar and the solar eclipses</source>
        <translation>Die Mond- und die Sonnenfinsternisse auflisten</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipseWindowBase</name>
    <message>
        <source>Eclipse</source>
        <translation>Finsternis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Other eclipse</source>
        <translation>Andere Finsternis</translation>
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
        <source>%1 of %2 ›</source>
        <translation>%1 von %2 ›</translation>
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
    <message>
        <source>Equinoxes &amp; Solstices</source>
        <translation>Äquinoktien &amp; Solstitien</translation>
    </message>
    <message>
        <source>SEASON</source>
        <translation>JAHRESZEIT</translation>
    </message>
    <message>
        <source>LOCAL TIME</source>
        <translation>ORTSZEIT</translation>
    </message>
    <message>
        <source>LASTS</source>
        <translation>DAUER</translation>
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
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Please type a year from 1 to 9999.</source>
        <translation>Bitte geben Sie ein Jahr von 1 bis 9999 ein.</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Meridian:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Aufgang:</translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation>Unterg.:</translation>
    </message>
    <message>
        <source>LST: %1</source>
        <translation>Sternzeit: %1</translation>
    </message>
    <message>
        <source>Crescendar</source>
        <translation>Crescendar</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Sichtbar:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>R.A.:</source>
        <translation>RA:</translation>
    </message>
    <message>
        <source>Dec.:</source>
        <translation>Dek.:</translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation>Parallaxe:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Durchm.:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apogäum:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Perigäum:</translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation>Az.:</translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation>h:</translation>
    </message>
    <message>
        <source>P.A.:</source>
        <translation>PW:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>PhW:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Aufgang:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Unterg.:</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Bürgerlich:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Nautisch:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronomisch:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>%1 km  </source>
        <translation>%1 km  </translation>
    </message>
    <message>
        <source>The home page</source>
        <translation>Die Startseite</translation>
    </message>
    <message>
        <source>%1 %2 was not found beside the program or in %3.</source>
        <translation>%1 %2 wurde weder neben dem Programm noch in %3 gefunden.</translation>
    </message>
    <message>
        <source>The help page</source>
        <translation>Die Hilfeseite</translation>
    </message>
    <message>
        <source>Rise/Set Times</source>
        <translation>Auf- und Untergang</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SONNE</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>MOND</translation>
    </message>
    <message>
        <source>Minimise Crescendar</source>
        <translation>Crescendar minimieren</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Solar eclipse</source>
        <translation>Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Display circumstances of Solar Eclipse occurring this month</source>
        <translation>Umstände der Sonnenfinsternis dieses Monats anzeigen</translation>
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
    <message>
        <source>The picture was not saved: %1 already exists. Choose it by its full name to replace it.</source>
        <translation>Das Bild wurde nicht gespeichert: %1 ist bereits vorhanden. Wählen Sie die Datei mit ihrem vollständigen Namen, um sie zu ersetzen.</translation>
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
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Bürgerl.</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Nautisch</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Astron.</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Moon up (height: phase)</source>
        <translation>Mond auf (Höhe: Phase)</translation>
    </message>
    <message>
        <source>Crescendar lunar visibility %1</source>
        <translation>Crescendar Mondsichtbarkeit %1</translation>
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
    <message>
        <source>Observing Aid: Lunar Visibility</source>
        <translation>Beobachtungshilfe: Mondsichtbarkeit</translation>
    </message>
    <message>
        <source>Find Lunar Eclipses</source>
        <translation>Mondfinsternisse suchen</translation>
    </message>
    <message>
        <source>Monthly Phases of the Moon</source>
        <translation>Mondphasen des Monats</translation>
    </message>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation>Äquinoktien und Solstitien</translation>
    </message>
    <message>
        <source>Easter Dates</source>
        <translation>Ostertermine</translation>
    </message>
</context>
<context>
    <name>crescendar::TSolarEclipseWindow</name>
    <message>
        <source>Solar Eclipse</source>
        <translation>Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Worldwide</source>
        <translation>Weltweit</translation>
    </message>
    <message>
        <source>This month has two solar eclipses: show the other</source>
        <translation>Dieser Monat hat zwei Sonnenfinsternisse: die andere zeigen</translation>
    </message>
    <message>
        <source>Eclipse picture</source>
        <translation>Bild der Finsternis</translation>
    </message>
    <message>
        <source>Worldwide: %1</source>
        <translation>Weltweit: %1</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Beginn Totalität</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Beginn Ringphase</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Ende Totalität</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Ende Ringphase</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>The Sun is below the horizon throughout.</source>
        <translation>Die Sonne steht die ganze Zeit unter dem Horizont.</translation>
    </message>
    <message>
        <source>Grey: the Sun is below the horizon.</source>
        <translation>Grau: Sonne unter dem Horizont.</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Obscuration</source>
        <translation>Bedeckung</translation>
    </message>
    <message>
        <source>Totality lasts</source>
        <translation>Dauer Totalität</translation>
    </message>
    <message>
        <source>Annularity lasts</source>
        <translation>Dauer Ringphase</translation>
    </message>
    <message>
        <source>The Moon&apos;s shadow misses this place.</source>
        <translation>Der Mondschatten verfehlt diesen Ort.</translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation>Größte Finsternis</translation>
    </message>
    <message>
        <source>Greatest magnitude</source>
        <translation>Maximale Größe</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1, Sun below the horizon</source>
        <translation>%1, Sonne unter dem Horizont</translation>
    </message>
    <message>
        <source>%1, Sun at %2</source>
        <translation>%1, Sonne bei %2</translation>
    </message>
    <message>
        <source>The Sun at the maximum with the Moon over %1 of it, the zenith up</source>
        <translation>Die Sonne im Maximum, zu %1 vom Mond bedeckt, Zenit oben</translation>
    </message>
    <message>
        <source>The Sun, not eclipsed at this place</source>
        <translation>Die Sonne, an diesem Ort nicht verfinstert</translation>
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
    <message>
        <source>Crescendar times %1</source>
        <translation>Crescendar Zeiten %1</translation>
    </message>
    <message>
        <source>LST at</source>
        <translation>Sternzeit um</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Aufg.</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Kulm.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Unterg.</translation>
    </message>
    <message>
        <source>illum</source>
        <translation>beleuchtet</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Bürg.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Naut.</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Monthly Rise, Set &amp; Twilight</source>
        <translation>Auf-/Untergang, Dämmerung</translation>
    </message>
    <message>
        <source>Morning twilight</source>
        <translation>Morgendämmerung</translation>
    </message>
    <message>
        <source>Evening twilight</source>
        <translation>Abenddämmerung</translation>
    </message>
    <message>
        <source>Lit</source>
        <translation>Bel.</translation>
    </message>
    <message>
        <source>Astro</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>crescendar::TWebMenu</name>
    <message>
        <source>Lunar Web Sites</source>
        <translation>Websites über den Mond</translation>
    </message>
    <message>
        <source>Lunar Resources on the Web</source>
        <translation>Der Mond im Web</translation>
    </message>
    <message>
        <source>Earth&apos;s Moon</source>
        <translation>Der Erdmond</translation>
    </message>
    <message>
        <source>Moon Phase and Libration</source>
        <translation>Mondphase und Libration</translation>
    </message>
    <message>
        <source>Moon Fact Sheet</source>
        <translation>Mond-Datenblatt</translation>
    </message>
    <message>
        <source>Lunar Science and Exploration</source>
        <translation>Mondforschung</translation>
    </message>
    <message>
        <source>Lunar Orbiter Photo Atlas</source>
        <translation>Lunar-Orbiter-Fotoatlas</translation>
    </message>
    <message>
        <source>Lunar Reconnaissance Camera</source>
        <translation>LRO-Kamera</translation>
    </message>
    <message>
        <source>QuickMap: Explore the Moon</source>
        <translation>QuickMap: Mondkarte</translation>
    </message>
    <message>
        <source>Names of Lunar Features</source>
        <translation>Namen der Mondformationen</translation>
    </message>
    <message>
        <source>Astrogeology Science Center</source>
        <translation>Astrogeologie-Zentrum</translation>
    </message>
    <message>
        <source>Lunar and Planetary Observers</source>
        <translation>Mond- und Planetenbeobachter</translation>
    </message>
    <message>
        <source>British Astronomical Assoc.</source>
        <translation>British Astronomical Assoc.</translation>
    </message>
    <message>
        <source>Lunar Occultations</source>
        <translation>Sternbedeckungen durch den Mond</translation>
    </message>
    <message>
        <source>Lunar Eclipses</source>
        <translation>Mondfinsternisse</translation>
    </message>
    <message>
        <source>Missions to the Moon</source>
        <translation>Missionen zum Mond</translation>
    </message>
    <message>
        <source>Apollo Lunar Missions</source>
        <translation>Apollo-Mondmissionen</translation>
    </message>
    <message>
        <source>Apollo Lunar Surface Journal</source>
        <translation>Apollo-Oberflächenjournal</translation>
    </message>
    <message>
        <source>Lunar Reconnaissance Orbiter</source>
        <translation>Lunar Reconnaissance Orbiter</translation>
    </message>
    <message>
        <source>Artemis: Back to the Moon</source>
        <translation>Artemis: zurück zum Mond</translation>
    </message>
</context>
</TS>
