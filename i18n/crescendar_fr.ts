<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AtomicFile</name>
    <message>
        <source>no reason was given</source>
        <translation>aucune raison n&apos;a été donnée</translation>
    </message>
    <message>
        <source>the file %1 could not be written (%2)</source>
        <translation>le fichier %1 n&apos;a pas pu être écrit (%2)</translation>
    </message>
    <message>
        <source>the file %1 could not be written (%2); a file already there is unchanged</source>
        <translation>le fichier %1 n&apos;a pas pu être écrit (%2)&#xa0;; le fichier déjà présent est inchangé</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Aucun espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l&apos;image est vide</translation>
    </message>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>l&apos;image n&apos;a pas pu être encodée en %1</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>Moon phases</source>
        <translation>Phases de la Lune</translation>
    </message>
    <message>
        <source>Lunar eclipses</source>
        <translation>Éclipses de Lune</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Périgée et apogée</translation>
    </message>
    <message>
        <source>Equinoxes and solstices</source>
        <translation>Équinoxes et solstices</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>Local time: %1</source>
        <translation>Heure locale&#xa0;: %1</translation>
    </message>
    <message>
        <source>The second full moon of the calendar month (%1)</source>
        <translation>La deuxième pleine lune du mois civil (%1)</translation>
    </message>
    <message>
        <source>Distance of the Moon: %1 km</source>
        <translation>Distance de la Lune&#xa0;: %1&#xa0;km</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1</source>
        <translation>Magnitude pénombrale %1</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, penumbral magnitude %2</source>
        <translation>Magnitude ombrale %1, magnitude pénombrale %2</translation>
    </message>
    <message>
        <source>Greatest eclipse %1 UTC</source>
        <translation>Maximum de l&apos;éclipse %1 UTC</translation>
    </message>
    <message>
        <source>Penumbra %1 to %2 UTC</source>
        <translation>Pénombre de %1 à %2 UTC</translation>
    </message>
    <message>
        <source>Umbra %1 to %2 UTC</source>
        <translation>Ombre de %1 à %2 UTC</translation>
    </message>
    <message>
        <source>Totality %1 to %2 UTC</source>
        <translation>Totalité de %1 à %2 UTC</translation>
    </message>
    <message>
        <source>Local time: maximum %1</source>
        <translation>Heure locale&#xa0;: maximum %1</translation>
    </message>
    <message>
        <source>Seen from %1: %2</source>
        <translation>Depuis %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Crescendar: the Moon and the seasons %1</source>
        <translation>Crescendar&#xa0;: la Lune et les saisons %1</translation>
    </message>
    <message>
        <source>Solar eclipses</source>
        <translation>Éclipses de Soleil</translation>
    </message>
    <message>
        <source>Worldwide: %1, greatest magnitude %2</source>
        <translation>Globalement&#xa0;: %1, magnitude maximale %2</translation>
    </message>
    <message>
        <source>At the place: no eclipse seen</source>
        <translation>Au lieu&#xa0;: aucune éclipse visible</translation>
    </message>
    <message>
        <source>At the place: %1</source>
        <translation>Au lieu&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, the Sun below the horizon</source>
        <translation>%1, le Soleil sous l&apos;horizon</translation>
    </message>
    <message>
        <source>First contact: %1</source>
        <translation>Premier contact&#xa0;: %1</translation>
    </message>
    <message>
        <source>Second contact: %1</source>
        <translation>Deuxième contact&#xa0;: %1</translation>
    </message>
    <message>
        <source>Maximum: %1</source>
        <translation>Maximum&#xa0;: %1</translation>
    </message>
    <message>
        <source>Third contact: %1</source>
        <translation>Troisième contact&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fourth contact: %1</source>
        <translation>Quatrième contact&#xa0;: %1</translation>
    </message>
    <message>
        <source>Magnitude %1, obscuration %2</source>
        <translation>Magnitude %1, obscuration %2</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1 is not a number: &quot;%2&quot;</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3: &quot;%4&quot;</source>
        <translation>%1&#xa0;: «&#xa0;%4&#xa0;» n&apos;est pas compris entre %2 et %3</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): &quot;%1&quot;</source>
        <translation>ce n&apos;est pas une date (AAAA-MM-JJ)&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no such date: &quot;%1&quot;</source>
        <translation>cette date n&apos;existe pas&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no such date in %1: &quot;%2&quot; (the clocks passed over it)</source>
        <translation>cette date n&apos;existe pas dans %1&#xa0;: «&#xa0;%2&#xa0;» (les horloges l&apos;ont sautée)</translation>
    </message>
    <message>
        <source>not a time (HH:MM[:SS]): &quot;%1&quot;</source>
        <translation>ce n&apos;est pas une heure (HH:MM[:SS])&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no such time: &quot;%1&quot;</source>
        <translation>cette heure n&apos;existe pas&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>not a month (YYYY-MM): &quot;%1&quot;</source>
        <translation>ce n&apos;est pas un mois (AAAA-MM)&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no such month: &quot;%1&quot;</source>
        <translation>ce mois n&apos;existe pas&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--place needs the name of a place</source>
        <translation>--place demande le nom d&apos;un lieu</translation>
    </message>
    <message>
        <source>--place: no place matches &quot;%1&quot;</source>
        <translation>--place&#xa0;: aucun lieu ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>fuseau</translation>
    </message>
    <message>
        <source>zone must be a multiple of 0.5 hours: &quot;%1&quot;</source>
        <translation>le fuseau doit être un multiple de 0.5&#xa0;heure&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--dst and --no-dst exclude each other</source>
        <translation>--dst et --no-dst s&apos;excluent l&apos;un l&apos;autre</translation>
    </message>
    <message>
        <source>--tz: no time zone is named &quot;%1&quot;</source>
        <translation>--tz&#xa0;: aucun fuseau horaire ne s&apos;appelle «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--place: the time zone &quot;%1&quot; of %2 is not known on this computer</source>
        <translation>--place&#xa0;: le fuseau horaire «&#xa0;%1&#xa0;» de %2 n&apos;est pas connu de cet ordinateur</translation>
    </message>
    <message>
        <source>  Penumbral magnitude %1   Umbral magnitude %2</source>
        <translation>  Magnitude pénombrale %1   Magnitude ombrale %2</translation>
    </message>
    <message>
        <source>  Penumbra %1</source>
        <translation>  Pénombre %1</translation>
    </message>
    <message>
        <source>  Umbra %1</source>
        <translation>  Ombre %1</translation>
    </message>
    <message>
        <source>  Totality %1</source>
        <translation>  Totalité %1</translation>
    </message>
    <message>
        <source>  Maximum %1</source>
        <translation>  Maximum %1</translation>
    </message>
    <message>
        <source>%1h %2m %3s</source>
        <translation>%1h %2m %3s</translation>
    </message>
    <message>
        <source>Apogee:    %1%2</source>
        <translation>Apogée:    %1%2</translation>
    </message>
    <message>
        <source>Perigee:   %1%2</source>
        <translation>Périgée:   %1%2</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Fuseau:    %1</translation>
    </message>
    <message>
        <source>usage: moon [YYYY-MM-DD HH:MM[:SS]]</source>
        <translation>usage&#xa0;: moon [AAAA-MM-JJ HH:MM[:SS]]</translation>
    </message>
    <message>
        <source>%1 - %2    LST: %3</source>
        <translation>%1 - %2    TSL: %3</translation>
    </message>
    <message>
        <source>Visible:   %1%</source>
        <translation>Visible:   %1&#xa0;%</translation>
    </message>
    <message>
        <source>Age:       %1 %2 %3</source>
        <translation>Âge:       %1 %2 %3</translation>
    </message>
    <message>
        <source>Distance:  %1 km</source>
        <translation>Distance:  %1 km</translation>
    </message>
    <message>
        <source>R.A.:      %1</source>
        <translation>A.D.:      %1</translation>
    </message>
    <message>
        <source>Dec.:      %1</source>
        <translation>Déc.:      %1</translation>
    </message>
    <message>
        <source>Parallax:  %1</source>
        <translation>Parallaxe: %1</translation>
    </message>
    <message>
        <source>Diameter:  %1</source>
        <translation>Diamètre:  %1</translation>
    </message>
    <message>
        <source>Moon  Az.: %1   Alt.: %2</source>
        <translation>Lune   Az.: %1   Haut.: %2</translation>
    </message>
    <message>
        <source>      P.A.: %1  Ph.A: %2</source>
        <translation>       A.P.: %1  A.Ph.: %2</translation>
    </message>
    <message>
        <source>Sun   Az.: %1   Alt.: %2</source>
        <translation>Soleil Az.: %1   Haut.: %2</translation>
    </message>
    <message>
        <source>      R.A.: %1  Dec.: %2</source>
        <translation>       A.D.: %1  Déc.:  %2</translation>
    </message>
    <message>
        <source>usage: phases [YYYY-MM]</source>
        <translation>usage&#xa0;: phases [AAAA-MM]</translation>
    </message>
    <message>
        <source>usage: riseset [YYYY-MM-DD]</source>
        <translation>usage&#xa0;: riseset [AAAA-MM-JJ]</translation>
    </message>
    <message>
        <source>              Rise    Transit Set</source>
        <translation>              Lever   Passage Coucher</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>              Start           End</source>
        <translation>              Début           Fin</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Nautique</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Astronomique</translation>
    </message>
    <message>
        <source>Moon visible: %1% at 00:00</source>
        <translation>Fraction éclairée de la Lune à 00:00&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>usage: month [YYYY-MM] [--csv]</source>
        <translation>usage&#xa0;: month [AAAA-MM] [--csv]</translation>
    </message>
    <message>
        <source>Date         LST       Moonrise Transit Moonset    %  Astro  Naut.  Civil  Sunrise Transit Sunset Civil  Naut.  Astro</source>
        <translation>Date         TSL       Lev.Lune Passage Couch.Lune %  Astro  Naut.  Civil  Lev.Sol Passage Couch. Civil  Naut.  Astro</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>a year is a whole number: &quot;%1&quot;</source>
        <translation>une année est un nombre entier&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>usage: eclipses FROM TO (years)</source>
        <translation>usage&#xa0;: eclipses DÉBUT FIN (années)</translation>
    </message>
    <message>
        <source>the From year must not be after the To year</source>
        <translation>l&apos;année de début ne doit pas être postérieure à l&apos;année de fin</translation>
    </message>
    <message>
        <source>usage: ics FROM [TO] [--only phases,eclipses,apsides,seasons] [-o FILE]</source>
        <translation>usage&#xa0;: ics DÉBUT [FIN] [--only phases,eclipses,apsides,seasons] [-o FICHIER]</translation>
    </message>
    <message>
        <source>ics: the From year must not be after the To year</source>
        <translation>ics&#xa0;: l&apos;année de début ne doit pas être postérieure à l&apos;année de fin</translation>
    </message>
    <message>
        <source>ics: a calendar can be exported for the years %1 to %2 only: &quot;%3&quot;</source>
        <translation>ics&#xa0;: un calendrier ne peut être exporté que pour les années %1 à %2&#xa0;: «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>--only needs one or more of phases, eclipses, apsides, seasons</source>
        <translation>--only demande un ou plusieurs des types phases, eclipses, apsides, seasons</translation>
    </message>
    <message>
        <source>--only: unknown kind &quot;%1&quot; (phases, eclipses, apsides, seasons)</source>
        <translation>--only&#xa0;: type inconnu «&#xa0;%1&#xa0;» (phases, eclipses, apsides, seasons)</translation>
    </message>
    <message>
        <source>the calendar was not written to &quot;%1&quot;: %2</source>
        <translation>le calendrier n&apos;a pas été écrit dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>usage: seasons [YYYY]</source>
        <translation>usage&#xa0;: seasons [AAAA]</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Printemps </translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été       </translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Automne   </translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver     </translation>
    </message>
    <message>
        <source>usage: easter [YYYY]</source>
        <translation>usage&#xa0;: easter [AAAA]</translation>
    </message>
    <message>
        <source>Easter Sunday: %1</source>
        <translation>Dimanche de Pâques&#xa0;: %1</translation>
    </message>
    <message>
        <source>usage: dateinfo [YYYY-MM-DD]</source>
        <translation>usage&#xa0;: dateinfo [AAAA-MM-JJ]</translation>
    </message>
    <message>
        <source>Julian Day:          %1 at 0h UT</source>
        <translation>Jour julien:         %1 à 0&#xa0;h TU</translation>
    </message>
    <message>
        <source>Day number:          %1</source>
        <translation>Jour de l&apos;année:     %1</translation>
    </message>
    <message>
        <source>Week number:         %1</source>
        <translation>N° de semaine:       %1</translation>
    </message>
    <message>
        <source>Days till Christmas: %1</source>
        <translation>Jours avant Noël:    %1</translation>
    </message>
    <message>
        <source>usage: perigee [YYYY-MM-DD [HH:MM]]</source>
        <translation>usage&#xa0;: perigee [AAAA-MM-JJ [HH:MM]]</translation>
    </message>
    <message>
        <source>usage: places NAME</source>
        <translation>usage&#xa0;: places NOM</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot;.</source>
        <translation>Aucun lieu ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Name                      Region                    Country                   Latitude   Longitude  Time zone                      Population</source>
        <translation>Nom                       Région                    Pays                      Latitude   Longitude  Fuseau horaire                 Population</translation>
    </message>
    <message>
        <source>the output accepted no more text</source>
        <translation>la sortie n&apos;acceptait plus de texte</translation>
    </message>
    <message>
        <source>the answer could not be written to standard output: %1</source>
        <translation>la réponse n&apos;a pas pu être écrite sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>Latitude in degrees, north positive.</source>
        <translation>Latitude en degrés, positive vers le nord.</translation>
    </message>
    <message>
        <source>Longitude in degrees, east positive.</source>
        <translation>Longitude en degrés, positive vers l&apos;est.</translation>
    </message>
    <message>
        <source>Offset of local standard time from UT, hours (multiple of 0.5).</source>
        <translation>Décalage de l&apos;heure normale du lieu par rapport au TU, en heures (multiple de 0.5).</translation>
    </message>
    <message>
        <source>Daylight saving time in force.</source>
        <translation>Heure d&apos;été en vigueur.</translation>
    </message>
    <message>
        <source>No daylight saving time.</source>
        <translation>Pas d&apos;heure d&apos;été.</translation>
    </message>
    <message>
        <source>Time zone by name, as Europe/London (overrides --zone and --dst).</source>
        <translation>Fuseau horaire désigné par son nom, comme Europe/London (remplace --zone et --dst).</translation>
    </message>
    <message>
        <source>The largest place of that name: its latitude, longitude and time zone, unless --lat, --lon, --tz or --zone/--dst/--no-dst are given.</source>
        <translation>Le plus grand lieu de ce nom&#xa0;: sa latitude, sa longitude et son fuseau horaire, sauf si --lat, --lon, --tz ou --zone/--dst/--no-dst sont donnés.</translation>
    </message>
    <message>
        <source>Answer as one JSON object.</source>
        <translation>Répondre par un seul objet JSON.</translation>
    </message>
    <message>
        <source>month: the table as comma-separated values.</source>
        <translation>month&#xa0;: le tableau en valeurs séparées par des virgules.</translation>
    </message>
    <message>
        <source>ics: only these kinds of event, comma-separated: phases, eclipses, apsides, seasons.</source>
        <translation>ics&#xa0;: seulement ces types d&apos;événement, séparés par des virgules&#xa0;: phases, eclipses, apsides, seasons.</translation>
    </message>
    <message>
        <source>ics: write the calendar to FILE instead of standard output.</source>
        <translation>ics&#xa0;: écrire le calendrier dans FICHIER au lieu de la sortie standard.</translation>
    </message>
    <message>
        <source>see the list of commands above</source>
        <translation>voir la liste des commandes ci-dessus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option, nor a date or year: dates and years are written without a minus sign, from year 1 to 9999</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni une option, ni une date, ni une année&#xa0;: les dates et les années s&apos;écrivent sans signe moins, de l&apos;an 1 à l&apos;an 9999</translation>
    </message>
    <message>
        <source>a command is needed (see --help)</source>
        <translation>une commande est nécessaire (voir --help)</translation>
    </message>
    <message>
        <source>--csv applies to the month command only</source>
        <translation>--csv ne s&apos;applique qu&apos;à la commande month</translation>
    </message>
    <message>
        <source>--csv and --json exclude each other</source>
        <translation>--csv et --json s&apos;excluent l&apos;un l&apos;autre</translation>
    </message>
    <message>
        <source>--%1 applies to the ics command only</source>
        <translation>--%1 ne s&apos;applique qu&apos;à la commande ics</translation>
    </message>
    <message>
        <source>--json does not apply to the ics command</source>
        <translation>--json ne s&apos;applique pas à la commande ics</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>DEG</source>
        <translation>DEGRÉS</translation>
    </message>
    <message>
        <source>HOURS</source>
        <translation>HEURES</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>KINDS</source>
        <translation>TYPES</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>the places and ics commands and --place need the program %1, which could not be started: %2</source>
        <translation>les commandes places et ics et --place ont besoin du programme %1, qui n&apos;a pas pu être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Worldwide: %1, greatest eclipse %2 %3, magnitude %4</source>
        <translation>Globalement&#xa0;: %1, maximum de l&apos;éclipse %2 %3, magnitude %4</translation>
    </message>
    <message>
        <source>The Moon&apos;s shadow misses this place.</source>
        <translation>L&apos;ombre de la Lune ne passe pas ici.</translation>
    </message>
    <message>
        <source>The Sun is below the horizon throughout.</source>
        <translation>Le Soleil reste sous l&apos;horizon.</translation>
    </message>
    <message>
        <source>Sun at %1</source>
        <translation>Soleil à %1</translation>
    </message>
    <message>
        <source>Sun below the horizon</source>
        <translation>Soleil sous l&apos;horizon</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Début totalité</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Début anneau</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Fin totalité</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Fin anneau</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Magnitude %1   Obscuration %2</source>
        <translation>Magnitude %1   Obscuration %2</translation>
    </message>
    <message>
        <source>Totality lasts %1</source>
        <translation>La totalité dure %1</translation>
    </message>
    <message>
        <source>Annularity lasts %1</source>
        <translation>L&apos;anneau dure %1</translation>
    </message>
    <message>
        <source>--kind must be lunar, solar or both: &quot;%1&quot;</source>
        <translation>--kind doit valoir lunar, solar ou both&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the kind of solar eclipse at the place, its visibility</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>usage: solar YYYY-MM-DD</source>
        <translation>usage&#xa0;: solar AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>no solar eclipse on &quot;%1&quot;</source>
        <translation>pas d&apos;éclipse de Soleil le «&#xa0;%1&#xa0;»</translation>
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
        <translation>La Lune et le Soleil pour l&apos;observateur des paramètres enregistrés.

Commandes&#xa0;:
  moon [AAAA-MM-JJ HH:MM[:SS]]   la Lune et le Soleil à un instant local
                                 (par défaut maintenant)
  phases [AAAA-MM]               les phases principales d&apos;un mois
  perigee [AAAA-MM-JJ [HH:MM]]   le prochain périgée et le prochain apogée
  riseset [AAAA-MM-JJ]           lever, passage au méridien et coucher de la Lune
                                 et du Soleil, crépuscules
  month [AAAA-MM] [--csv]        le tableau mensuel des levers, passages et couchers
  eclipses DÉBUT FIN [--kind TYPE]
                                 les éclipses de Lune ou de Soleil d&apos;une plage d&apos;années
  solar AAAA-MM-JJ               l&apos;éclipse de Soleil d&apos;une date, telle que le lieu la voit
  ics DÉBUT [FIN] [--only TYPES] [-o FICHIER]
                                 phases, éclipses, périgées et apogées, équinoxes
                                 et solstices des années, en fichier iCalendar (UTC)
  seasons [AAAA]                 les équinoxes et les solstices d&apos;une année
  easter [AAAA]                  la date du dimanche de Pâques
  dateinfo [AAAA-MM-JJ]          jour julien, n° du jour, semaine, jours avant Noël
  places NOM                     les lieux de ce nom, du plus grand au plus petit

Chaque réponse indique le fuseau horaire dans lequel elle est donnée.</translation>
    </message>
    <message>
        <source>eclipses: lunar (the default), solar, or both in one list.</source>
        <translation>eclipses&#xa0;: lunar (éclipses de Lune, par défaut), solar (éclipses de Soleil) ou both (les deux en une liste).</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>--kind applies to the eclipses command only</source>
        <translation>--kind ne s&apos;applique qu&apos;à la commande eclipses</translation>
    </message>
    <message>
        <source>the program %1, which answers this command line, could not be started: %2</source>
        <translation>le programme %1, qui répond à cette ligne de commande, n&apos;a pas pu être lancé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Page Up</source>
        <translation>Page préc</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation>Réduire cette fenêtre</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>%1 could not be saved: %2. They apply only until Crescendar is closed. %3</source>
        <translation>%1 n&apos;ont pas pu être enregistrés&#xa0;: %2. Ils ne valent que jusqu&apos;à la fermeture de Crescendar. %3</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is a symbolic link in the shared folder %1 that belongs to another user, and such a link is not followed</source>
        <translation>c&apos;est un lien symbolique du dossier partagé %1 qui appartient à un autre utilisateur, et un tel lien n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été donné</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>il a changé pendant son ouverture</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file, a character device or a pipe</source>
        <translation>ce n&apos;est ni un fichier ordinaire, ni un périphérique caractère, ni un tube</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Printed by Crescendar V%1 (home page: %2, installed with the program)</source>
        <translation>Imprimé par Crescendar V%1 (page d&apos;accueil&#xa0;: %2, fournie avec le programme)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Latitude: %1,   Longitude: %2</source>
        <translation>Latitude&#xa0;: %1,   Longitude&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>the page has no size</source>
        <translation>la page n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the printer %1 could not be opened</source>
        <translation>l&apos;imprimante %1 n&apos;a pas pu être ouverte</translation>
    </message>
    <message>
        <source>the page could not be sent to the printer %1</source>
        <translation>la page n&apos;a pas pu être envoyée à l&apos;imprimante %1</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n&apos;a pas pu être dessinée</translation>
    </message>
    <message>
        <source>%1 was not printed: %2.</source>
        <translation>%1&#xa0;: l&apos;impression a échoué (%2).</translation>
    </message>
    <message>
        <source>the PDF file %1 could not be created</source>
        <translation>le fichier PDF %1 n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the value on line %1 runs on to the next line</source>
        <translation>la valeur de la ligne %1 se poursuit sur la ligne suivante</translation>
    </message>
    <message>
        <source>a quotation mark on line %1 is not closed</source>
        <translation>un guillemet de la ligne %1 n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>the group name on line %1 has no closing ]</source>
        <translation>le nom de groupe de la ligne %1 n&apos;a pas de ] fermant</translation>
    </message>
    <message>
        <source>line %1 is not a name=value line</source>
        <translation>la ligne %1 n&apos;est pas de la forme nom=valeur</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>c&apos;est un dossier, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>il dépasse %1</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only, so it cannot be written</source>
        <translation>le fichier de paramètres %1 est en lecture seule et ne peut donc pas être écrit</translation>
    </message>
    <message>
        <source>the settings file %1 could not be created: its folder cannot be made</source>
        <translation>le fichier de paramètres %1 n&apos;a pas pu être créé&#xa0;: son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written (%2)</source>
        <translation>le fichier de paramètres %1 n&apos;a pas pu être écrit (%2)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>The settings file %1 could not be used: %2. Crescendar runs on the default settings and leaves that file as it is.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être utilisé&#xa0;: %2. Crescendar fonctionne avec les paramètres par défaut et laisse ce fichier tel quel.</translation>
    </message>
    <message>
        <source>Some values in the settings file %1 are not used, and their defaults apply instead: %2.</source>
        <translation>Certaines valeurs du fichier de paramètres %1 ne sont pas utilisées, et leurs valeurs par défaut s&apos;appliquent à leur place&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only, so changes made now will not be saved.</source>
        <translation>Le fichier de paramètres %1 est en lecture seule&#xa0;: les modifications faites maintenant ne seront pas enregistrées.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so changes made now will be lost when Crescendar closes.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être écrit&#xa0;: les modifications faites maintenant seront perdues à la fermeture de Crescendar.</translation>
    </message>
    <message>
        <source>the settings file %1 cannot hold a value named %2</source>
        <translation>le fichier de paramètres %1 ne peut pas contenir une valeur nommée %2</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged: %2</source>
        <translation>le fichier de paramètres %1 est endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the settings file %1 no longer exists</source>
        <translation>le fichier de paramètres %1 n&apos;existe plus</translation>
    </message>
    <message>
        <source>the settings file %1 holds no Crescendar settings</source>
        <translation>le fichier de paramètres %1 ne contient aucun paramètre de Crescendar</translation>
    </message>
    <message>
        <source>the settings file %1 cannot hold a window named %2</source>
        <translation>le fichier de paramètres %1 ne peut pas contenir une fenêtre nommée %2</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>pas un nombre entier</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>neither %1 nor %2</source>
        <translation>ni %1 ni %2</translation>
    </message>
    <message>
        <source>not from 0 to %1</source>
        <translation>pas entre 0 et %1</translation>
    </message>
    <message>
        <source>not a date with a day, a month and a year</source>
        <translation>pas une date avec un jour, un mois et une année</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>not a time zone this computer knows</source>
        <translation>pas un fuseau horaire connu de cet ordinateur</translation>
    </message>
    <message>
        <source>neither System nor a language of the program (en, de, fr, es)</source>
        <translation>ni System ni une langue du programme (en, de, fr, es)</translation>
    </message>
    <message>
        <source>more than %1 degrees</source>
        <translation>plus de %1&#xa0;degrés</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>The web page could not be opened: no web browser answered. Please open this address in your browser by hand:
%1</source>
        <translation>La page web n&apos;a pas pu être ouverte&#xa0;: aucun navigateur web n&apos;a répondu. Veuillez ouvrir vous-même cette adresse dans votre navigateur&#xa0;:
%1</translation>
    </message>
    <message>
        <source>%1 could not be opened: no program answered to show it. Please open this file by hand, for instance in your web browser:
%2</source>
        <translation>%1 n&apos;a pas pu être ouverte&#xa0;: aucun programme n&apos;a répondu pour l&apos;afficher. Veuillez ouvrir vous-même ce fichier, par exemple dans votre navigateur web&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Crescendar cannot open a display (%1). Run it on a desktop, or under a virtual display: xvfb-run -a %2</source>
        <translation>Crescendar ne peut ouvrir aucun affichage (%1). Lancez-le sur un bureau, ou sous un affichage virtuel&#xa0;: xvfb-run -a %2</translation>
    </message>
    <message>
        <source>cannot make a temporary folder</source>
        <translation>impossible de créer un dossier temporaire</translation>
    </message>
</context>
<context>
    <name>TPrint</name>
    <message>
        <source>MR:</source>
        <translation>LL:</translation>
    </message>
    <message>
        <source>TR:</source>
        <translation>PM:</translation>
    </message>
    <message>
        <source>MS:</source>
        <translation>CL:</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>LS:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>CS:</translation>
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
        <translation>Valeurs séparées par des virgules (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>%1 was not saved: %2.</source>
        <translation>%1 n&apos;a pas été enregistrée&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Passage de la Lune au méridien</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>Moon lit (%)</source>
        <translation>Lune éclairée (%)</translation>
    </message>
    <message>
        <source>Astronomical twilight (morning)</source>
        <translation>Crépuscule astronomique (matin)</translation>
    </message>
    <message>
        <source>Nautical twilight (morning)</source>
        <translation>Crépuscule nautique (matin)</translation>
    </message>
    <message>
        <source>Civil twilight (morning)</source>
        <translation>Crépuscule civil (matin)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Passage du Soleil au méridien</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Civil twilight (evening)</source>
        <translation>Crépuscule civil (soir)</translation>
    </message>
    <message>
        <source>Nautical twilight (evening)</source>
        <translation>Crépuscule nautique (soir)</translation>
    </message>
    <message>
        <source>Astronomical twilight (evening)</source>
        <translation>Crépuscule astronomique (soir)</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Éclipse</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilité</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astre</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <extracomment>The second full moon of a calendar month</extracomment>
        <translation>Lune bleue</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Full (Blue) Moon</source>
        <extracomment>The phase of a moment at a blue moon</extracomment>
        <translation>Pleine lune bleue</translation>
    </message>
    <message>
        <source>Full (%1) Moon</source>
        <extracomment>The phase of a moment at full moon; %1 is the month&apos;s traditional full moon name</extracomment>
        <translation>Lune %1</translation>
    </message>
    <message>
        <source>Wolf</source>
        <extracomment>Traditional name of January&apos;s full moon, put into &quot;Full (%1) Moon&quot;</extracomment>
        <translation>du loup</translation>
    </message>
    <message>
        <source>Snow</source>
        <extracomment>February&apos;s full moon</extracomment>
        <translation>des neiges</translation>
    </message>
    <message>
        <source>Worm</source>
        <extracomment>March&apos;s full moon</extracomment>
        <translation>des vers</translation>
    </message>
    <message>
        <source>Pink</source>
        <extracomment>April&apos;s full moon</extracomment>
        <translation>rose</translation>
    </message>
    <message>
        <source>Flower</source>
        <extracomment>May&apos;s full moon</extracomment>
        <translation>des fleurs</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <extracomment>June&apos;s full moon</extracomment>
        <translation>des fraises</translation>
    </message>
    <message>
        <source>Buck</source>
        <extracomment>July&apos;s full moon</extracomment>
        <translation>du cerf</translation>
    </message>
    <message>
        <source>Sturgeon</source>
        <extracomment>August&apos;s full moon</extracomment>
        <translation>de l&apos;esturgeon</translation>
    </message>
    <message>
        <source>Harvest</source>
        <extracomment>September&apos;s full moon</extracomment>
        <translation>des moissons</translation>
    </message>
    <message>
        <source>Hunter&apos;s</source>
        <extracomment>October&apos;s full moon</extracomment>
        <translation>du chasseur</translation>
    </message>
    <message>
        <source>Beaver</source>
        <extracomment>November&apos;s full moon</extracomment>
        <translation>du castor</translation>
    </message>
    <message>
        <source>Cold</source>
        <extracomment>December&apos;s full moon</extracomment>
        <translation>froide</translation>
    </message>
    <message>
        <source>Penumbral Lunar Eclipse</source>
        <translation>Éclipse pénombrale de Lune</translation>
    </message>
    <message>
        <source>Partial Lunar Eclipse</source>
        <translation>Éclipse partielle de Lune</translation>
    </message>
    <message>
        <source>Total Lunar Eclipse</source>
        <translation>Éclipse totale de Lune</translation>
    </message>
    <message>
        <source>Penumbral Eclipse</source>
        <translation>Éclipse pénombrale</translation>
    </message>
    <message>
        <source>Partial Eclipse</source>
        <translation>Éclipse partielle</translation>
    </message>
    <message>
        <source>Total Eclipse</source>
        <translation>Éclipse totale</translation>
    </message>
    <message>
        <source>Penumbral</source>
        <extracomment>An eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Pénombrale</translation>
    </message>
    <message>
        <source>Partial</source>
        <extracomment>An eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Partielle</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>An eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Visible</source>
        <extracomment>Whether an eclipse can be seen from the observer&apos;s place</extracomment>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation>Visible en partie</translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation>Non visible</translation>
    </message>
    <message>
        <source>March Equinox</source>
        <translation>Équinoxe de mars</translation>
    </message>
    <message>
        <source>June Solstice</source>
        <translation>Solstice de juin</translation>
    </message>
    <message>
        <source>September Equinox</source>
        <translation>Équinoxe de septembre</translation>
    </message>
    <message>
        <source>December Solstice</source>
        <translation>Solstice de décembre</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Périgée</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogée</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In place of a rise, transit or set time: the body does not cross that altitude on the date. At most five characters.</extracomment>
        <translation>néant</translation>
    </message>
    <message>
        <source>%1 days</source>
        <extracomment>The length of a season, %1 a decimal number such as 92.75</extracomment>
        <translation>%1&#xa0;jours</translation>
    </message>
    <message>
        <source>Skipped: the clocks passed over this date</source>
        <translation>Sautée&#xa0;: les horloges ont sauté cette date</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>One-letter unit of the Moon&apos;s age: days</extracomment>
        <translation>j</translation>
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
        <translation>Éclipse solaire partielle</translation>
    </message>
    <message>
        <source>Annular Solar Eclipse</source>
        <translation>Éclipse solaire annulaire</translation>
    </message>
    <message>
        <source>Total Solar Eclipse</source>
        <translation>Éclipse solaire totale</translation>
    </message>
    <message>
        <source>Hybrid Solar Eclipse</source>
        <extracomment>A solar eclipse that is total along part of its track and annular along the rest</extracomment>
        <translation>Éclipse solaire hybride</translation>
    </message>
    <message>
        <source>Annular</source>
        <extracomment>A solar eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Annulaire</translation>
    </message>
    <message>
        <source>Hybrid</source>
        <extracomment>A solar eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Hybride</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Afficher le mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Afficher le mois suivant</translation>
    </message>
</context>
<context>
    <name>crescendar::TAbout</name>
    <message>
        <source>About Crescendar</source>
        <translation>À propos de Crescendar</translation>
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
        <translation>La Lune en votre lieu, à votre heure</translation>
    </message>
</context>
<context>
    <name>crescendar::TCalendarExport</name>
    <message>
        <source>Calendar Export</source>
        <translation>Export de calendrier</translation>
    </message>
    <message>
        <source>Close without exporting</source>
        <translation>Fermer sans exporter</translation>
    </message>
    <message>
        <source>Moon phases</source>
        <translation>Phases de la Lune</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Périgée et apogée</translation>
    </message>
    <message>
        <source>Equinoxes, solstices</source>
        <translation>Équinoxes, solstices</translation>
    </message>
    <message>
        <source>The first year of the calendar</source>
        <translation>La première année du calendrier</translation>
    </message>
    <message>
        <source>The last year of the calendar</source>
        <translation>La dernière année du calendrier</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Année de début</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Année de fin</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Choose a file and save the events in it</source>
        <translation>Choisir un fichier et y enregistrer les événements</translation>
    </message>
    <message>
        <source>A year must lie between %1 and %2.</source>
        <translation>L&apos;année doit être comprise entre %1 et %2.</translation>
    </message>
    <message>
        <source>One calendar takes at most %1 years.</source>
        <translation>Un calendrier couvre au plus %1 ans.</translation>
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
        <translation>Fichiers iCalendar (*.ics *.ICS)</translation>
    </message>
    <message>
        <source>The calendar was not saved: %1.</source>
        <translation>Le calendrier n&apos;a pas été enregistré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>New moons, first quarters, full moons and last quarters</source>
        <translation>Nouvelles lunes, premiers quartiers, pleines lunes et derniers quartiers</translation>
    </message>
    <message>
        <source>The Moon nearest to and farthest from the Earth</source>
        <translation>La Lune au plus près et au plus loin de la Terre</translation>
    </message>
    <message>
        <source>The equinoxes and solstices</source>
        <translation>Les équinoxes et les solstices</translation>
    </message>
    <message>
        <source>Please type a year in both boxes.</source>
        <translation>Veuillez saisir une année dans les deux cases.</translation>
    </message>
    <message>
        <source>The &quot;From&quot; year must not be later than the &quot;To&quot; year.</source>
        <translation>L&apos;année de début ne doit pas être postérieure à l&apos;année de fin.</translation>
    </message>
    <message>
        <source>Please choose at least one kind of event.</source>
        <translation>Veuillez choisir au moins un type d&apos;événement.</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Éclipses</translation>
    </message>
    <message>
        <source>Lunar eclipses, from the first to the last contact with the penumbra, and solar eclipses, from the first to the last contact at the place where it sees them</source>
        <translation>Éclipses de Lune, du premier au dernier contact avec la pénombre, et éclipses de Soleil que le lieu voit, du premier au dernier contact en ce lieu</translation>
    </message>
</context>
<context>
    <name>crescendar::TConfiguration</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the window, asking whether to save changes</source>
        <translation>Fermer la fenêtre en demandant s&apos;il faut enregistrer les modifications</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Enregistrer et fermer</translation>
    </message>
    <message>
        <source>Save the settings and close</source>
        <translation>Enregistrer les paramètres et fermer</translation>
    </message>
    <message>
        <source>Saves the settings and closes the window. %1 asks whether to save changes.</source>
        <translation>Enregistre les paramètres et ferme la fenêtre. %1 demande s&apos;il faut enregistrer les modifications.</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Degrés de latitude</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minutes de latitude</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Secondes de latitude</translation>
    </message>
    <message>
        <source>Latitude north or south</source>
        <translation>Latitude nord ou sud</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Degrés de longitude</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minutes de longitude</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Secondes de longitude</translation>
    </message>
    <message>
        <source>Longitude east or west</source>
        <translation>Longitude est ou ouest</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Day order</source>
        <translation>Ordre des jours</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>The printer the calendar is printed for</source>
        <translation>L&apos;imprimante à laquelle le calendrier est destiné</translation>
    </message>
    <message>
        <source>these coordinates</source>
        <translation>ces coordonnées</translation>
    </message>
    <message>
        <source>these coordinates (now “%1”)</source>
        <translation>ces coordonnées (actuellement «&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>“%1” was not picked from the places offered. Keep it as the name of %2?</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas été choisi parmi les lieux proposés. Le garder comme nom de %2&#xa0;?</translation>
    </message>
    <message>
        <source>Keep the Name</source>
        <translation>Garder le nom</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Revenir</translation>
    </message>
    <message>
        <source>Zone names look like Europe/Paris or America/New_York.</source>
        <translation>Un nom de fuseau horaire s&apos;écrit par exemple Europe/Paris ou America/New_York.</translation>
    </message>
    <message>
        <source>The closest zone names are: %1.</source>
        <translation>Les noms de fuseau les plus proches sont&#xa0;: %1.</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows. %2 The time zone stays %3.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fuseau horaire connu de cet ordinateur. %2 Le fuseau horaire reste %3.</translation>
    </message>
    <message>
        <source>Your changes to the settings have not been saved. Save them before the window closes?</source>
        <translation>Vos modifications des paramètres n&apos;ont pas été enregistrées. Voulez-vous les enregistrer avant la fermeture de la fenêtre&#xa0;?</translation>
    </message>
    <message>
        <source>GMT %1 %2:%3</source>
        <translation>GMT %1 %2:%3</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lieu:</translation>
    </message>
    <message>
        <source>No place found</source>
        <translation>Aucun lieu trouvé</translation>
    </message>
    <message>
        <source>Day Order:</source>
        <translation>Semaine:</translation>
    </message>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Dimanche - Samedi</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Lundi - Dimanche</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Mardi - Lundi</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Mercredi - Mardi</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Jeudi - Mercredi</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Vendredi - Jeudi</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Samedi - Vendredi</translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Format date:</translation>
    </message>
    <message>
        <source>Timezone:</source>
        <translation>Fuseau:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>Été:</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>B/W Inkjet</source>
        <translation>Jet N/B</translation>
    </message>
    <message>
        <source>Colour Inkjet</source>
        <translation>Jet couleur</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Minutes and seconds of arc must be from 00 to 59.</source>
        <translation>Les minutes et les secondes d&apos;arc doivent être comprises entre 00 et 59.</translation>
    </message>
    <message>
        <source>The latitude must be from 0° to 90°.</source>
        <translation>La latitude doit être comprise entre 0° et 90°.</translation>
    </message>
    <message>
        <source>The longitude must be from 0° to 180°.</source>
        <translation>La longitude doit être comprise entre 0° et 180°.</translation>
    </message>
    <message>
        <source>“%1” is not a date pattern: it needs a day (dd), a month (mm) and a year (yyyy), as in dd/mm/yyyy. The pattern %2 is kept.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un modèle de date&#xa0;: il lui faut un jour (dd), un mois (mm) et une année (yyyy), comme dans dd/mm/yyyy. Le modèle %2 est conservé.</translation>
    </message>
    <message>
        <source>Your settings</source>
        <translation>Vos paramètres</translation>
    </message>
    <message>
        <source>Click the exit again to close this window without saving them.</source>
        <translation>Cliquez de nouveau sur la marque de fermeture pour fermer cette fenêtre sans les enregistrer.</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Observateur</translation>
    </message>
    <message>
        <source>Time and Printer</source>
        <translation>Heure et imprimante</translation>
    </message>
    <message>
        <source>PRINTER</source>
        <translation>IMPRIMANTE</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Crescendar will show its texts in the chosen language from its next start.</source>
        <translation>Crescendar affichera ses textes dans la langue choisie à partir de son prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>crescendar::TDateInfoWindow</name>
    <message>
        <source>Date Information</source>
        <translation>Informations sur la date</translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation>Jour julien</translation>
    </message>
    <message>
        <source>Day Number</source>
        <translation>Jour de l&apos;année</translation>
    </message>
    <message>
        <source>Week Number</source>
        <translation>N° de semaine</translation>
    </message>
    <message>
        <source>Days Till Xmas</source>
        <translation>Jours avant Noël</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>%1 at 0h UT</source>
        <translation>%1 à 0&#xa0;h TU</translation>
    </message>
</context>
<context>
    <name>crescendar::TEaster</name>
    <message>
        <source>Easter Sunday</source>
        <translation>Dimanche de Pâques</translation>
    </message>
    <message>
        <source>Exit Crescendar</source>
        <translation>Quitter Crescendar</translation>
    </message>
    <message>
        <source>Sunday after the Paschal full moon</source>
        <translation>Après la pleine lune pascale</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipse</name>
    <message>
        <source>Lunar Eclipse</source>
        <translation>Éclipse de Lune</translation>
    </message>
    <message>
        <source>This month has two eclipses: show the other</source>
        <translation>Ce mois compte deux éclipses&#xa0;: afficher l&apos;autre</translation>
    </message>
    <message>
        <source>Eclipse diagram</source>
        <translation>Schéma de l&apos;éclipse</translation>
    </message>
    <message>
        <source>%1: the Moon&apos;s path across the Earth&apos;s penumbra and umbra</source>
        <translation>%1&#xa0;: trajectoire de la Lune à travers la pénombre et l&apos;ombre de la Terre</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Moon enters Penumbra</source>
        <translation>Entrée dans la pénombre</translation>
    </message>
    <message>
        <source>Moon enters Umbra</source>
        <translation>Entrée dans l&apos;ombre</translation>
    </message>
    <message>
        <source>Start of Totality</source>
        <translation>Début de la totalité</translation>
    </message>
    <message>
        <source>Eclipse Maximum</source>
        <translation>Maximum de l&apos;éclipse</translation>
    </message>
    <message>
        <source>End of Totality</source>
        <translation>Fin de la totalité</translation>
    </message>
    <message>
        <source>Moon exits Umbra</source>
        <translation>Sortie de l&apos;ombre</translation>
    </message>
    <message>
        <source>Moon exits Penumbra</source>
        <translation>Sortie de la pénombre</translation>
    </message>
    <message>
        <source>Eclipse Magnitude</source>
        <translation>Magnitude de l&apos;éclipse</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipseReport</name>
    <message>
        <source>Eclipse Finder</source>
        <translation>Recherche d&apos;éclipses</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À:</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Année de début</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Année de fin</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Calculate dates of eclipses between the two selected years</source>
        <translation>Calculer les dates des éclipses entre les deux années choisies</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Avancement de la recherche</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop the search</source>
        <translation>Arrêter la recherche</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>Save the list as a CSV file</source>
        <translation>Enregistrer la liste dans un fichier CSV</translation>
    </message>
    <message>
        <source>Copy the list for a spreadsheet</source>
        <translation>Copier la liste pour un tableur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Éclipses</translation>
    </message>
    <message>
        <source>Crescendar eclipses %1.csv</source>
        <translation>Crescendar éclipses %1.csv</translation>
    </message>
    <message>
        <source>Crescendar eclipses %1-%2.csv</source>
        <translation>Crescendar éclipses %1-%2.csv</translation>
    </message>
    <message>
        <source>The eclipse list</source>
        <translation>La liste des éclipses</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Search cancelled</source>
        <translation>Recherche annulée</translation>
    </message>
    <message>
        <source>The &quot;From&quot; year must not be later than the &quot;To&quot; year.</source>
        <translation>L&apos;année de début ne doit pas être postérieure à l&apos;année de fin.</translation>
    </message>
    <message>
        <source>Please type a year in both boxes.</source>
        <translation>Veuillez saisir une année dans les deux cases.</translation>
    </message>
    <message>
        <source>A year must lie between 1 and 9999.</source>
        <translation>L&apos;année doit être comprise entre 1 et 9999.</translation>
    </message>
    <message numerus="yes">
        <source>%n eclipse(s) found</source>
        <translation>
            <numerusform>%n éclipse trouvée</numerusform>
            <numerusform>%n éclipses trouvées</numerusform>
        </translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>List the lunar eclipses</source>
        <translation>Lister les éclipses de Lune</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>List the solar eclipses</source>
        <translation>Lister les éclipses de Soleil</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>List the lunar and the solar eclipses</source>
        <translation>Lister les éclipses de Lune et de Soleil</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipseWindowBase</name>
    <message>
        <source>Eclipse</source>
        <translation>Éclipse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Other eclipse</source>
        <translation>Autre éclipse</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Afficher la date</translation>
    </message>
    <message>
        <source>Show this date in the main window</source>
        <translation>Afficher cette date dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Double-click or press %1 to show this date in the main window</source>
        <translation>Double-cliquez ou appuyez sur %1 pour afficher cette date dans la fenêtre principale</translation>
    </message>
    <message>
        <source>%1 of %2 ›</source>
        <translation>%1 sur %2 ›</translation>
    </message>
</context>
<context>
    <name>crescendar::TEquinox</name>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation>Équinoxes et solstices</translation>
    </message>
    <message>
        <source>Spring Equinox</source>
        <translation>Équinoxe vernal</translation>
    </message>
    <message>
        <source>Summer Solstice</source>
        <translation>Solstice d&apos;été</translation>
    </message>
    <message>
        <source>Autumn Equinox</source>
        <translation>Équinoxe d&apos;automne</translation>
    </message>
    <message>
        <source>Winter Solstice</source>
        <translation>Solstice d&apos;hiver</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Length of the season from the %1</source>
        <translation>Durée de la saison ouverte par&#xa0;: %1</translation>
    </message>
    <message>
        <source>Seasons of %1 in the southern hemisphere</source>
        <translation>Saisons de %1 dans l&apos;hémisphère Sud</translation>
    </message>
    <message>
        <source>Seasons of %1 in the northern hemisphere</source>
        <translation>Saisons de %1 dans l&apos;hémisphère Nord</translation>
    </message>
    <message>
        <source>Equinoxes &amp; Solstices</source>
        <translation>Équinoxes et solstices</translation>
    </message>
    <message>
        <source>SEASON</source>
        <translation>SAISON</translation>
    </message>
    <message>
        <source>LOCAL TIME</source>
        <translation>HEURE LOCALE</translation>
    </message>
    <message>
        <source>LASTS</source>
        <translation>DURÉE</translation>
    </message>
</context>
<context>
    <name>crescendar::TMain</name>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Passage du Soleil au méridien</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Début du crépuscule civil</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Fin du crépuscule civil</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Début du crépuscule nautique</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Fin du crépuscule nautique</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Début du crépuscule astronomique</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Fin du crépuscule astronomique</translation>
    </message>
    <message>
        <source>Shown date and time</source>
        <translation>Date et heure affichées</translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation>Date choisie</translation>
    </message>
    <message>
        <source>Local sidereal time</source>
        <translation>Temps sidéral local</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Illuminated</source>
        <translation>Éclairée</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Right ascension</source>
        <translation>Ascension droite</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Déclinaison</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Parallaxe</translation>
    </message>
    <message>
        <source>Apparent diameter</source>
        <translation>Diamètre apparent</translation>
    </message>
    <message>
        <source>Next apogee</source>
        <translation>Prochain apogée</translation>
    </message>
    <message>
        <source>Next perigee</source>
        <translation>Prochain périgée</translation>
    </message>
    <message>
        <source>Moon azimuth</source>
        <translation>Azimut de la Lune</translation>
    </message>
    <message>
        <source>Moon altitude</source>
        <translation>Hauteur de la Lune</translation>
    </message>
    <message>
        <source>Position angle of the bright limb</source>
        <translation>Angle de position du limbe éclairé</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Angle de phase</translation>
    </message>
    <message>
        <source>Sun azimuth</source>
        <translation>Azimut du Soleil</translation>
    </message>
    <message>
        <source>Sun altitude</source>
        <translation>Hauteur du Soleil</translation>
    </message>
    <message>
        <source>Sun right ascension</source>
        <translation>Ascension droite du Soleil</translation>
    </message>
    <message>
        <source>Sun declination</source>
        <translation>Déclinaison du Soleil</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>La Lune</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Afficher le mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Afficher le mois suivant</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Calendar for Month</source>
        <translation>Imprimer le calendrier du mois</translation>
    </message>
    <message>
        <source>Binoculars or telescope</source>
        <translation>Jumelles ou télescope</translation>
    </message>
    <message>
        <source>Switch between view as seen through Binoculars or a Telescope</source>
        <translation>Basculer entre la vue aux jumelles et la vue au télescope</translation>
    </message>
    <message>
        <source>Rise and set times</source>
        <translation>Heures de lever et de coucher</translation>
    </message>
    <message>
        <source>Display Moon/Sun Rise/Set times and Twilight times for month</source>
        <translation>Afficher les heures de lever et de coucher de la Lune et du Soleil et les crépuscules du mois</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Display links to Lunar Internet Sites</source>
        <translation>Afficher des liens vers des sites consacrés à la Lune</translation>
    </message>
    <message>
        <source>Change the time</source>
        <translation>Changer l&apos;heure</translation>
    </message>
    <message>
        <source>Change the time within Crescendar</source>
        <translation>Changer l&apos;heure dans Crescendar</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Display menu showing Report options</source>
        <translation>Afficher le menu des rapports</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Éclipse</translation>
    </message>
    <message>
        <source>Display circumstances of Lunar Eclipse occurring this month</source>
        <translation>Afficher les circonstances de l&apos;éclipse de Lune de ce mois</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Crescendar&apos;s home page, shipped with the program (opens in your browser)</source>
        <translation>La page d&apos;accueil de Crescendar, fournie avec le programme (s&apos;ouvre dans votre navigateur)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Change configuration parameters</source>
        <translation>Modifier les paramètres de configuration</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Display online help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Display version information</source>
        <translation>Afficher les informations de version</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit Crescendar</source>
        <translation>Quitter Crescendar</translation>
    </message>
    <message>
        <source>Choose the month</source>
        <translation>Choisir le mois</translation>
    </message>
    <message>
        <source>Pick the month to show</source>
        <translation>Choisir le mois à afficher</translation>
    </message>
    <message>
        <source>Change the year</source>
        <translation>Changer l&apos;année</translation>
    </message>
    <message>
        <source>Type the year to show</source>
        <translation>Saisir l&apos;année à afficher</translation>
    </message>
    <message>
        <source>Date information</source>
        <translation>Informations sur la date</translation>
    </message>
    <message>
        <source>Show the facts of the selected date</source>
        <translation>Afficher les données de la date choisie</translation>
    </message>
    <message>
        <source>Select this date</source>
        <translation>Choisir cette date</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>Select the day before</source>
        <translation>Choisir la veille</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>Select the day after</source>
        <translation>Choisir le lendemain</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>Semaine précédente</translation>
    </message>
    <message>
        <source>Select the same day a week earlier</source>
        <translation>Choisir le même jour une semaine plus tôt</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Semaine suivante</translation>
    </message>
    <message>
        <source>Select the same day a week later</source>
        <translation>Choisir le même jour une semaine plus tard</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Go back to the running clock: today, now</source>
        <translation>Revenir à l&apos;horloge en marche : aujourd&apos;hui, maintenant</translation>
    </message>
    <message>
        <source>Cancel the edit</source>
        <translation>Annuler la saisie</translation>
    </message>
    <message>
        <source>Close the time or year editor as it was</source>
        <translation>Fermer l&apos;éditeur de l&apos;heure ou de l&apos;année sans modification</translation>
    </message>
    <message>
        <source>Accept the edit</source>
        <translation>Valider la saisie</translation>
    </message>
    <message>
        <source>Take the time or year typed</source>
        <translation>Prendre l&apos;heure ou l&apos;année saisie</translation>
    </message>
    <message>
        <source>Change the time within Crescendar (%1; then %2 accepts, %3 cancels)</source>
        <translation>Changer l&apos;heure dans Crescendar (%1 ; puis %2 valide, %3 annule)</translation>
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
        <translation>%1, éclairée à %2 %</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Passage de la Lune au méridien</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Please type a year from 1 to 9999.</source>
        <translation>Veuillez saisir une année de 1 à 9999.</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Passage:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Lever:</translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation>Coucher:</translation>
    </message>
    <message>
        <source>LST: %1</source>
        <translation>TSL: %1</translation>
    </message>
    <message>
        <source>Crescendar</source>
        <translation>Crescendar</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Visible:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Âge:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>R.A.:</source>
        <translation>A.D.:</translation>
    </message>
    <message>
        <source>Dec.:</source>
        <translation>Déc.:</translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation>Parallaxe:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diamètre:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apogée:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Périgée:</translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation>Az.:</translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation>Ht.:</translation>
    </message>
    <message>
        <source>P.A.:</source>
        <translation>A.P.:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>APh:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Lever:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Coucher:</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Civil:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Nautique:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronomique:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>%1 km  </source>
        <translation>%1 km  </translation>
    </message>
    <message>
        <source>The home page</source>
        <translation>La page d&apos;accueil</translation>
    </message>
    <message>
        <source>%1 %2 was not found beside the program or in %3.</source>
        <translation>%1 %2 est introuvable à côté du programme et dans %3.</translation>
    </message>
    <message>
        <source>The help page</source>
        <translation>La page d&apos;aide</translation>
    </message>
    <message>
        <source>Rise/Set Times</source>
        <translation>Lever et coucher</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOLEIL</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>LUNE</translation>
    </message>
    <message>
        <source>Minimise Crescendar</source>
        <translation>Réduire Crescendar</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Solar eclipse</source>
        <translation>Éclipse solaire</translation>
    </message>
    <message>
        <source>Display circumstances of Solar Eclipse occurring this month</source>
        <translation>Afficher les circonstances de l&apos;éclipse solaire de ce mois</translation>
    </message>
</context>
<context>
    <name>crescendar::TMonthList</name>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
</context>
<context>
    <name>crescendar::TMonthlyPhases</name>
    <message>
        <source>Moon Phases</source>
        <translation>Phases de la Lune</translation>
    </message>
    <message>
        <source>Save image to disk</source>
        <translation>Enregistrer l&apos;image sur le disque</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Copy the calendar to the clipboard</source>
        <translation>Copier le calendrier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Bitmap pictures (*.bmp *.BMP);;PNG pictures (*.png *.PNG)</source>
        <translation>Images bitmap (*.bmp *.BMP);;Images PNG (*.png *.PNG)</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The picture was not saved: %1 already exists. Choose it by its full name to replace it.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée&#xa0;: %1 existe déjà. Choisissez ce fichier par son nom complet pour le remplacer.</translation>
    </message>
</context>
<context>
    <name>crescendar::TObservingAid</name>
    <message>
        <source>Lunar Visibility</source>
        <translation>Visibilité de la Lune</translation>
    </message>
    <message>
        <source>Visibility chart</source>
        <translation>Diagramme de visibilité</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print this chart</source>
        <translation>Imprimer ce diagramme</translation>
    </message>
    <message>
        <source>Day or night view</source>
        <translation>Vue de jour ou de nuit</translation>
    </message>
    <message>
        <source>Switch between the night view (noon to noon) and the day view (midnight to midnight)</source>
        <translation>Basculer entre la vue de nuit (de midi à midi) et la vue de jour (de minuit à minuit)</translation>
    </message>
    <message>
        <source>Hour grid</source>
        <translation>Grille horaire</translation>
    </message>
    <message>
        <source>Show or hide the hour grid</source>
        <translation>Afficher ou masquer la grille horaire</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Copy this chart to the clipboard</source>
        <translation>Copier ce diagramme dans le presse-papiers</translation>
    </message>
    <message>
        <source>Lunar Visibility, %1</source>
        <translation>Visibilité de la Lune, %1</translation>
    </message>
    <message>
        <source>When the Moon is up on each day of %1 at %2</source>
        <translation>Heures où la Lune est levée, jour par jour, en %1 à %2</translation>
    </message>
    <message>
        <source>The lunar visibility chart</source>
        <translation>Le diagramme de visibilité de la Lune</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Nautique</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Astronomique</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Moon up (height: phase)</source>
        <translation>Lune (hauteur&#xa0;: phase)</translation>
    </message>
    <message>
        <source>Crescendar lunar visibility %1</source>
        <translation>Crescendar visibilité de la Lune %1</translation>
    </message>
</context>
<context>
    <name>crescendar::TPrintOptions</name>
    <message>
        <source>Print Calendar</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>A drawing of the Moon in every day&apos;s box</source>
        <translation>Un dessin de la Lune dans la case de chaque jour</translation>
    </message>
    <message>
        <source>Marks and times of new, full and quarter Moons</source>
        <translation>Repères et heures des nouvelles lunes, des pleines lunes et des quartiers</translation>
    </message>
    <message>
        <source>Moonrise, transit and moonset of every day</source>
        <translation>Lever, passage au méridien et coucher de la Lune chaque jour</translation>
    </message>
    <message>
        <source>Sunrise, transit and sunset of every day</source>
        <translation>Lever, passage au méridien et coucher du Soleil chaque jour</translation>
    </message>
    <message>
        <source>Daily Moon phases</source>
        <translation>Phases du jour</translation>
    </message>
    <message>
        <source>Principal phases</source>
        <translation>Phases principales</translation>
    </message>
    <message>
        <source>Moon times</source>
        <translation>Horaires de la Lune</translation>
    </message>
    <message>
        <source>Sun times</source>
        <translation>Horaires du Soleil</translation>
    </message>
    <message>
        <source>How dark the Moons are printed, 0 to 100</source>
        <translation>Intensité d&apos;impression des lunes, de 0 à 100</translation>
    </message>
    <message>
        <source>Phase density %</source>
        <translation>Densité %</translation>
    </message>
    <message>
        <source>Phase density</source>
        <translation>Densité des phases</translation>
    </message>
    <message>
        <source>Up and Down change the density</source>
        <translation>Les flèches Haut et Bas modifient la densité</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Store the choices and print</source>
        <translation>Enregistrer les choix et imprimer</translation>
    </message>
    <message>
        <source>Close without printing</source>
        <translation>Fermer sans imprimer</translation>
    </message>
    <message>
        <source>Your print choices</source>
        <translation>Vos choix d&apos;impression</translation>
    </message>
    <message>
        <source>Click OK again to print without saving them.</source>
        <translation>Cliquez de nouveau sur OK pour imprimer sans les enregistrer.</translation>
    </message>
    <message>
        <source>The calendar</source>
        <translation>Le calendrier</translation>
    </message>
</context>
<context>
    <name>crescendar::TReportMenu</name>
    <message>
        <source>Export to Calendar…</source>
        <translation>Exporter vers un calendrier…</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Lunar visibility</source>
        <translation>Visibilité de la Lune</translation>
    </message>
    <message>
        <source>Chart when the Moon is up through the month</source>
        <translation>Diagramme des heures où la Lune est levée au fil du mois</translation>
    </message>
    <message>
        <source>Find eclipses</source>
        <translation>Rechercher des éclipses</translation>
    </message>
    <message>
        <source>Find the lunar eclipses between two years</source>
        <translation>Rechercher les éclipses de Lune entre deux années</translation>
    </message>
    <message>
        <source>Display phases</source>
        <translation>Afficher les phases</translation>
    </message>
    <message>
        <source>Show the Moon&apos;s phase on every day of the month</source>
        <translation>Afficher la phase de la Lune pour chaque jour du mois</translation>
    </message>
    <message>
        <source>Equinoxes and solstices</source>
        <translation>Équinoxes et solstices</translation>
    </message>
    <message>
        <source>Show the year&apos;s equinoxes and solstices</source>
        <translation>Afficher les équinoxes et les solstices de l&apos;année</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pâques</translation>
    </message>
    <message>
        <source>Show the date of Easter</source>
        <translation>Afficher la date de Pâques</translation>
    </message>
    <message>
        <source>Calendar export</source>
        <translation>Export de calendrier</translation>
    </message>
    <message>
        <source>Save the Moon&apos;s events of some years as a calendar file</source>
        <translation>Enregistrer les événements de la Lune sur plusieurs années dans un fichier de calendrier</translation>
    </message>
    <message>
        <source>Observing Aid: Lunar Visibility</source>
        <translation>Aide à l&apos;observation&#xa0;: visibilité lunaire</translation>
    </message>
    <message>
        <source>Find Lunar Eclipses</source>
        <translation>Rechercher les éclipses de Lune</translation>
    </message>
    <message>
        <source>Monthly Phases of the Moon</source>
        <translation>Phases de la Lune du mois</translation>
    </message>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation>Équinoxes et solstices</translation>
    </message>
    <message>
        <source>Easter Dates</source>
        <translation>Dates de Pâques</translation>
    </message>
</context>
<context>
    <name>crescendar::TSolarEclipseWindow</name>
    <message>
        <source>Solar Eclipse</source>
        <translation>Éclipse solaire</translation>
    </message>
    <message>
        <source>Worldwide</source>
        <translation>Globalement</translation>
    </message>
    <message>
        <source>This month has two solar eclipses: show the other</source>
        <translation>Ce mois compte deux éclipses solaires : afficher l&apos;autre</translation>
    </message>
    <message>
        <source>Eclipse picture</source>
        <translation>Image de l&apos;éclipse</translation>
    </message>
    <message>
        <source>Worldwide: %1</source>
        <translation>Globalement : %1</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Début totalité</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Début anneau</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Fin totalité</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Fin anneau</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>The Sun is below the horizon throughout.</source>
        <translation>Le Soleil reste sous l&apos;horizon.</translation>
    </message>
    <message>
        <source>Grey: the Sun is below the horizon.</source>
        <translation>Gris : Soleil sous l&apos;horizon.</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Obscuration</source>
        <translation>Obscuration</translation>
    </message>
    <message>
        <source>Totality lasts</source>
        <translation>Durée totalité</translation>
    </message>
    <message>
        <source>Annularity lasts</source>
        <translation>Durée anneau</translation>
    </message>
    <message>
        <source>The Moon&apos;s shadow misses this place.</source>
        <translation>L&apos;ombre de la Lune ne passe pas ici.</translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation>Maximum de l&apos;éclipse</translation>
    </message>
    <message>
        <source>Greatest magnitude</source>
        <translation>Magnitude maximale</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>%1, Sun below the horizon</source>
        <translation>%1, Soleil sous l&apos;horizon</translation>
    </message>
    <message>
        <source>%1, Sun at %2</source>
        <translation>%1, Soleil à %2</translation>
    </message>
    <message>
        <source>The Sun at the maximum with the Moon over %1 of it, the zenith up</source>
        <translation>Le Soleil au maximum, couvert à %1 par la Lune, zénith en haut</translation>
    </message>
    <message>
        <source>The Sun, not eclipsed at this place</source>
        <translation>Le Soleil, non éclipsé en ce lieu</translation>
    </message>
</context>
<context>
    <name>crescendar::TTimesList</name>
    <message>
        <source>Monthly Times</source>
        <translation>Horaires du mois</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Send the information on this screen to the printer</source>
        <translation>Envoyer à l&apos;imprimante les informations de cet écran</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll information up on screen</source>
        <translation>Faire défiler les informations vers le haut</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Scroll information down on screen</source>
        <translation>Faire défiler les informations vers le bas</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>Save this month&apos;s table as a CSV file</source>
        <translation>Enregistrer le tableau de ce mois dans un fichier CSV</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy this month&apos;s table for a spreadsheet</source>
        <translation>Copier le tableau de ce mois pour un tableur</translation>
    </message>
    <message>
        <source>Times of the month</source>
        <translation>Horaires du mois</translation>
    </message>
    <message>
        <source>Crescendar times %1-%2.csv</source>
        <translation>Crescendar horaires %1-%2.csv</translation>
    </message>
    <message>
        <source>The times table</source>
        <translation>La table des horaires</translation>
    </message>
    <message>
        <source>Crescendar times %1</source>
        <translation>Crescendar horaires %1</translation>
    </message>
    <message>
        <source>LST at</source>
        <translation>TSL à</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>minuit</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Pass.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Couch.</translation>
    </message>
    <message>
        <source>illum</source>
        <translation>écl.</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
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
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Monthly Rise, Set &amp; Twilight</source>
        <translation>Lever, coucher et crépuscule</translation>
    </message>
    <message>
        <source>Morning twilight</source>
        <translation>Crépuscule matin</translation>
    </message>
    <message>
        <source>Evening twilight</source>
        <translation>Crépuscule soir</translation>
    </message>
    <message>
        <source>Lit</source>
        <translation>Écl.</translation>
    </message>
    <message>
        <source>Astro</source>
        <translation>Astro</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>crescendar::TWebMenu</name>
    <message>
        <source>Lunar Web Sites</source>
        <translation>Sites web sur la Lune</translation>
    </message>
    <message>
        <source>Lunar Resources on the Web</source>
        <translation>La Lune sur le Web</translation>
    </message>
    <message>
        <source>Earth&apos;s Moon</source>
        <translation>La Lune de la Terre</translation>
    </message>
    <message>
        <source>Moon Phase and Libration</source>
        <translation>Phase et libration</translation>
    </message>
    <message>
        <source>Moon Fact Sheet</source>
        <translation>Fiche de données lunaires</translation>
    </message>
    <message>
        <source>Lunar Science and Exploration</source>
        <translation>Science et exploration lunaires</translation>
    </message>
    <message>
        <source>Lunar Orbiter Photo Atlas</source>
        <translation>Atlas photo Lunar Orbiter</translation>
    </message>
    <message>
        <source>Lunar Reconnaissance Camera</source>
        <translation>Caméra de LRO</translation>
    </message>
    <message>
        <source>QuickMap: Explore the Moon</source>
        <translation>QuickMap : carte de la Lune</translation>
    </message>
    <message>
        <source>Names of Lunar Features</source>
        <translation>Noms des formations lunaires</translation>
    </message>
    <message>
        <source>Astrogeology Science Center</source>
        <translation>Centre d’astrogéologie</translation>
    </message>
    <message>
        <source>Lunar and Planetary Observers</source>
        <translation>Observateurs lunaires et planétaires</translation>
    </message>
    <message>
        <source>British Astronomical Assoc.</source>
        <translation>British Astronomical Assoc.</translation>
    </message>
    <message>
        <source>Lunar Occultations</source>
        <translation>Occultations lunaires</translation>
    </message>
    <message>
        <source>Lunar Eclipses</source>
        <translation>Éclipses de Lune</translation>
    </message>
    <message>
        <source>Missions to the Moon</source>
        <translation>Missions vers la Lune</translation>
    </message>
    <message>
        <source>Apollo Lunar Missions</source>
        <translation>Missions lunaires Apollo</translation>
    </message>
    <message>
        <source>Apollo Lunar Surface Journal</source>
        <translation>Journal de surface Apollo</translation>
    </message>
    <message>
        <source>Lunar Reconnaissance Orbiter</source>
        <translation>Lunar Reconnaissance Orbiter</translation>
    </message>
    <message>
        <source>Artemis: Back to the Moon</source>
        <translation>Artemis : retour sur la Lune</translation>
    </message>
</context>
</TS>
