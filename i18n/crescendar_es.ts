<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AtomicFile</name>
    <message>
        <source>no reason was given</source>
        <translation>no se indicó ningún motivo</translation>
    </message>
    <message>
        <source>the file %1 could not be written (%2)</source>
        <translation>no se ha podido escribir el archivo %1 (%2)</translation>
    </message>
    <message>
        <source>the file %1 could not be written (%2); a file already there is unchanged</source>
        <translation>no se ha podido escribir el archivo %1 (%2); el archivo que ya existía sigue sin cambios</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>no se ha escrito nada</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>no se ha podido codificar la imagen como %1</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>Moon phases</source>
        <translation>Fases de la Luna</translation>
    </message>
    <message>
        <source>Lunar eclipses</source>
        <translation>Eclipses de Luna</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Perigeo y apogeo</translation>
    </message>
    <message>
        <source>Equinoxes and solstices</source>
        <translation>Equinoccios y solsticios</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>Local time: %1</source>
        <translation>Hora local: %1</translation>
    </message>
    <message>
        <source>The second full moon of the calendar month (%1)</source>
        <translation>La segunda luna llena del mes del calendario (%1)</translation>
    </message>
    <message>
        <source>Distance of the Moon: %1 km</source>
        <translation>Distancia de la Luna: %1 km</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1</source>
        <translation>Magnitud penumbral %1</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, penumbral magnitude %2</source>
        <translation>Magnitud umbral %1, magnitud penumbral %2</translation>
    </message>
    <message>
        <source>Greatest eclipse %1 UTC</source>
        <translation>Máximo del eclipse %1 UTC</translation>
    </message>
    <message>
        <source>Penumbra %1 to %2 UTC</source>
        <translation>Penumbra de %1 a %2 UTC</translation>
    </message>
    <message>
        <source>Umbra %1 to %2 UTC</source>
        <translation>Sombra de %1 a %2 UTC</translation>
    </message>
    <message>
        <source>Totality %1 to %2 UTC</source>
        <translation>Totalidad de %1 a %2 UTC</translation>
    </message>
    <message>
        <source>Local time: maximum %1</source>
        <translation>Hora local: máximo %1</translation>
    </message>
    <message>
        <source>Seen from %1: %2</source>
        <translation>Visto desde %1: %2</translation>
    </message>
    <message>
        <source>Crescendar: the Moon and the seasons %1</source>
        <translation>Crescendar: la Luna y las estaciones %1</translation>
    </message>
    <message>
        <source>Solar eclipses</source>
        <translation>Eclipses de Sol</translation>
    </message>
    <message>
        <source>Worldwide: %1, greatest magnitude %2</source>
        <translation>Global: %1, magnitud máxima %2</translation>
    </message>
    <message>
        <source>At the place: no eclipse seen</source>
        <translation>En el lugar: no se ve el eclipse</translation>
    </message>
    <message>
        <source>At the place: %1</source>
        <translation>En el lugar: %1</translation>
    </message>
    <message>
        <source>%1, the Sun below the horizon</source>
        <translation>%1, el Sol bajo el horizonte</translation>
    </message>
    <message>
        <source>First contact: %1</source>
        <translation>Primer contacto: %1</translation>
    </message>
    <message>
        <source>Second contact: %1</source>
        <translation>Segundo contacto: %1</translation>
    </message>
    <message>
        <source>Maximum: %1</source>
        <translation>Máximo: %1</translation>
    </message>
    <message>
        <source>Third contact: %1</source>
        <translation>Tercer contacto: %1</translation>
    </message>
    <message>
        <source>Fourth contact: %1</source>
        <translation>Cuarto contacto: %1</translation>
    </message>
    <message>
        <source>Magnitude %1, obscuration %2</source>
        <translation>Magnitud %1, oscurecimiento %2</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1 is not a number: &quot;%2&quot;</source>
        <translation>%1 no es un número: «%2»</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3: &quot;%4&quot;</source>
        <translation>%1 debe estar entre %2 y %3: «%4»</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): &quot;%1&quot;</source>
        <translation>no es una fecha (AAAA-MM-DD): «%1»</translation>
    </message>
    <message>
        <source>no such date: &quot;%1&quot;</source>
        <translation>esa fecha no existe: «%1»</translation>
    </message>
    <message>
        <source>no such date in %1: &quot;%2&quot; (the clocks passed over it)</source>
        <translation>esa fecha no existe en %1: «%2» (los relojes se la saltaron)</translation>
    </message>
    <message>
        <source>not a time (HH:MM[:SS]): &quot;%1&quot;</source>
        <translation>no es una hora (HH:MM[:SS]): «%1»</translation>
    </message>
    <message>
        <source>no such time: &quot;%1&quot;</source>
        <translation>esa hora no existe: «%1»</translation>
    </message>
    <message>
        <source>not a month (YYYY-MM): &quot;%1&quot;</source>
        <translation>no es un mes (AAAA-MM): «%1»</translation>
    </message>
    <message>
        <source>no such month: &quot;%1&quot;</source>
        <translation>ese mes no existe: «%1»</translation>
    </message>
    <message>
        <source>--place needs the name of a place</source>
        <translation>--place necesita el nombre de un lugar</translation>
    </message>
    <message>
        <source>--place: no place matches &quot;%1&quot;</source>
        <translation>--place: ningún lugar coincide con «%1»</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>la latitud</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>la longitud</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>la zona</translation>
    </message>
    <message>
        <source>zone must be a multiple of 0.5 hours: &quot;%1&quot;</source>
        <translation>la zona debe ser un múltiplo de 0.5 horas: «%1»</translation>
    </message>
    <message>
        <source>--dst and --no-dst exclude each other</source>
        <translation>--dst y --no-dst se excluyen mutuamente</translation>
    </message>
    <message>
        <source>--tz: no time zone is named &quot;%1&quot;</source>
        <translation>--tz: ninguna zona horaria se llama «%1»</translation>
    </message>
    <message>
        <source>--place: the time zone &quot;%1&quot; of %2 is not known on this computer</source>
        <translation>--place: la zona horaria «%1» de %2 no se conoce en este equipo</translation>
    </message>
    <message>
        <source>  Penumbral magnitude %1   Umbral magnitude %2</source>
        <translation>  Magnitud penumbral %1   Magnitud umbral %2</translation>
    </message>
    <message>
        <source>  Penumbra %1</source>
        <translation>  Penumbra %1</translation>
    </message>
    <message>
        <source>  Umbra %1</source>
        <translation>  Sombra %1</translation>
    </message>
    <message>
        <source>  Totality %1</source>
        <translation>  Totalidad %1</translation>
    </message>
    <message>
        <source>  Maximum %1</source>
        <translation>  Máximo %1</translation>
    </message>
    <message>
        <source>%1h %2m %3s</source>
        <translation>%1h %2m %3s</translation>
    </message>
    <message>
        <source>Apogee:    %1%2</source>
        <translation>Apogeo:    %1%2</translation>
    </message>
    <message>
        <source>Perigee:   %1%2</source>
        <translation>Perigeo:   %1%2</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zona horaria: %1</translation>
    </message>
    <message>
        <source>usage: moon [YYYY-MM-DD HH:MM[:SS]]</source>
        <translation>uso: moon [AAAA-MM-DD HH:MM[:SS]]</translation>
    </message>
    <message>
        <source>%1 - %2    LST: %3</source>
        <translation>%1 - %2    TSL: %3</translation>
    </message>
    <message>
        <source>Visible:   %1%</source>
        <translation>Iluminada: %1 %</translation>
    </message>
    <message>
        <source>Age:       %1 %2 %3</source>
        <translation>Edad:      %1 %2 %3</translation>
    </message>
    <message>
        <source>Distance:  %1 km</source>
        <translation>Distancia: %1 km</translation>
    </message>
    <message>
        <source>R.A.:      %1</source>
        <translation>A. R.:     %1</translation>
    </message>
    <message>
        <source>Dec.:      %1</source>
        <translation>Dec.:      %1</translation>
    </message>
    <message>
        <source>Parallax:  %1</source>
        <translation>Paralaje:  %1</translation>
    </message>
    <message>
        <source>Diameter:  %1</source>
        <translation>Diámetro:  %1</translation>
    </message>
    <message>
        <source>Moon  Az.: %1   Alt.: %2</source>
        <translation>Luna  Az.: %1   Alt.: %2</translation>
    </message>
    <message>
        <source>      P.A.: %1  Ph.A: %2</source>
        <translation>      Á.P.: %1  Á.F.: %2</translation>
    </message>
    <message>
        <source>Sun   Az.: %1   Alt.: %2</source>
        <translation>Sol   Az.: %1   Alt.: %2</translation>
    </message>
    <message>
        <source>      R.A.: %1  Dec.: %2</source>
        <translation>      A.R.: %1  Dec.: %2</translation>
    </message>
    <message>
        <source>usage: phases [YYYY-MM]</source>
        <translation>uso: phases [AAAA-MM]</translation>
    </message>
    <message>
        <source>usage: riseset [YYYY-MM-DD]</source>
        <translation>uso: riseset [AAAA-MM-DD]</translation>
    </message>
    <message>
        <source>              Rise    Transit Set</source>
        <translation>              Salida  Tráns.  Puesta</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>              Start           End</source>
        <translation>              Comienzo        Fin</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Náutico</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Astronómico</translation>
    </message>
    <message>
        <source>Moon visible: %1% at 00:00</source>
        <translation>Luna iluminada: %1 % a las 00:00</translation>
    </message>
    <message>
        <source>usage: month [YYYY-MM] [--csv]</source>
        <translation>uso: month [AAAA-MM] [--csv]</translation>
    </message>
    <message>
        <source>Date         LST       Moonrise Transit Moonset    %  Astro  Naut.  Civil  Sunrise Transit Sunset Civil  Naut.  Astro</source>
        <translation>Fecha        TSL       Sal.Luna Tráns.  Pue.Luna   %  Astr.  Náut.  Civil  Sal.Sol Tráns.  Ocaso  Civil  Náut.  Astr.</translation>
    </message>
    <message>
        <source>year</source>
        <translation>el año</translation>
    </message>
    <message>
        <source>a year is a whole number: &quot;%1&quot;</source>
        <translation>un año es un número entero: «%1»</translation>
    </message>
    <message>
        <source>usage: eclipses FROM TO (years)</source>
        <translation>uso: eclipses DESDE HASTA (años)</translation>
    </message>
    <message>
        <source>the From year must not be after the To year</source>
        <translation>el año DESDE no debe ser posterior al año HASTA</translation>
    </message>
    <message>
        <source>usage: ics FROM [TO] [--only phases,eclipses,apsides,seasons] [-o FILE]</source>
        <translation>uso: ics DESDE [HASTA] [--only phases,eclipses,apsides,seasons] [-o FILE]</translation>
    </message>
    <message>
        <source>ics: the From year must not be after the To year</source>
        <translation>ics: el año DESDE no debe ser posterior al año HASTA</translation>
    </message>
    <message>
        <source>ics: a calendar can be exported for the years %1 to %2 only: &quot;%3&quot;</source>
        <translation>ics: solo se puede exportar un calendario de los años %1 a %2: «%3»</translation>
    </message>
    <message>
        <source>--only needs one or more of phases, eclipses, apsides, seasons</source>
        <translation>--only necesita uno o varios de phases, eclipses, apsides, seasons</translation>
    </message>
    <message>
        <source>--only: unknown kind &quot;%1&quot; (phases, eclipses, apsides, seasons)</source>
        <translation>--only: tipo desconocido «%1» (phases, eclipses, apsides, seasons)</translation>
    </message>
    <message>
        <source>the calendar was not written to &quot;%1&quot;: %2</source>
        <translation>el calendario no se ha escrito en «%1»: %2</translation>
    </message>
    <message>
        <source>usage: seasons [YYYY]</source>
        <translation>uso: seasons [AAAA]</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Primavera </translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano    </translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Otoño     </translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno  </translation>
    </message>
    <message>
        <source>usage: easter [YYYY]</source>
        <translation>uso: easter [AAAA]</translation>
    </message>
    <message>
        <source>Easter Sunday: %1</source>
        <translation>Domingo de Pascua: %1</translation>
    </message>
    <message>
        <source>usage: dateinfo [YYYY-MM-DD]</source>
        <translation>uso: dateinfo [AAAA-MM-DD]</translation>
    </message>
    <message>
        <source>Julian Day:          %1 at 0h UT</source>
        <translation>Día juliano:         %1 a las 0 h TU</translation>
    </message>
    <message>
        <source>Day number:          %1</source>
        <translation>Día del año:         %1</translation>
    </message>
    <message>
        <source>Week number:         %1</source>
        <translation>Semana ISO:          %1</translation>
    </message>
    <message>
        <source>Days till Christmas: %1</source>
        <translation>Días a Navidad:      %1</translation>
    </message>
    <message>
        <source>usage: perigee [YYYY-MM-DD [HH:MM]]</source>
        <translation>uso: perigee [AAAA-MM-DD [HH:MM]]</translation>
    </message>
    <message>
        <source>usage: places NAME</source>
        <translation>uso: places NOMBRE</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot;.</source>
        <translation>Ningún lugar coincide con «%1».</translation>
    </message>
    <message>
        <source>Name                      Region                    Country                   Latitude   Longitude  Time zone                      Population</source>
        <translation>Nombre                    Región                    País                      Latitud    Longitud   Zona horaria                   Población</translation>
    </message>
    <message>
        <source>the output accepted no more text</source>
        <translation>la salida no admitió más texto</translation>
    </message>
    <message>
        <source>the answer could not be written to standard output: %1</source>
        <translation>no se ha podido escribir la respuesta en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Latitude in degrees, north positive.</source>
        <translation>Latitud en grados, positiva al norte.</translation>
    </message>
    <message>
        <source>Longitude in degrees, east positive.</source>
        <translation>Longitud en grados, positiva al este.</translation>
    </message>
    <message>
        <source>Offset of local standard time from UT, hours (multiple of 0.5).</source>
        <translation>Diferencia de la hora estándar local respecto de TU, en horas (múltiplo de 0.5).</translation>
    </message>
    <message>
        <source>Daylight saving time in force.</source>
        <translation>Horario de verano en vigor.</translation>
    </message>
    <message>
        <source>No daylight saving time.</source>
        <translation>Sin horario de verano.</translation>
    </message>
    <message>
        <source>Time zone by name, as Europe/London (overrides --zone and --dst).</source>
        <translation>Zona horaria por su nombre, como Europe/London (prevalece sobre --zone y --dst).</translation>
    </message>
    <message>
        <source>The largest place of that name: its latitude, longitude and time zone, unless --lat, --lon, --tz or --zone/--dst/--no-dst are given.</source>
        <translation>El lugar más grande con ese nombre: su latitud, longitud y zona horaria, salvo que se indiquen --lat, --lon, --tz o --zone/--dst/--no-dst.</translation>
    </message>
    <message>
        <source>Answer as one JSON object.</source>
        <translation>Responder con un único objeto JSON.</translation>
    </message>
    <message>
        <source>month: the table as comma-separated values.</source>
        <translation>month: la tabla como valores separados por comas.</translation>
    </message>
    <message>
        <source>ics: only these kinds of event, comma-separated: phases, eclipses, apsides, seasons.</source>
        <translation>ics: solo estos tipos de evento, separados por comas: phases, eclipses, apsides, seasons.</translation>
    </message>
    <message>
        <source>ics: write the calendar to FILE instead of standard output.</source>
        <translation>ics: escribir el calendario en FILE en lugar de en la salida estándar.</translation>
    </message>
    <message>
        <source>see the list of commands above</source>
        <translation>vea la lista de órdenes de arriba</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option, nor a date or year: dates and years are written without a minus sign, from year 1 to 9999</source>
        <translation>«%1» no es una opción, ni una fecha ni un año: las fechas y los años se escriben sin signo menos, del año 1 al 9999</translation>
    </message>
    <message>
        <source>a command is needed (see --help)</source>
        <translation>falta una orden (vea --help)</translation>
    </message>
    <message>
        <source>--csv applies to the month command only</source>
        <translation>--csv solo se aplica a la orden month</translation>
    </message>
    <message>
        <source>--csv and --json exclude each other</source>
        <translation>--csv y --json se excluyen mutuamente</translation>
    </message>
    <message>
        <source>--%1 applies to the ics command only</source>
        <translation>--%1 solo se aplica a la orden ics</translation>
    </message>
    <message>
        <source>--json does not apply to the ics command</source>
        <translation>--json no se aplica a la orden ics</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>DEG</source>
        <translation>GRADOS</translation>
    </message>
    <message>
        <source>HOURS</source>
        <translation>HORAS</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>KINDS</source>
        <translation>KINDS</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>the places and ics commands and --place need the program %1, which could not be started: %2</source>
        <translation>las órdenes places e ics y --place necesitan el programa %1, que no se ha podido iniciar: %2</translation>
    </message>
    <message>
        <source>Worldwide: %1, greatest eclipse %2 %3, magnitude %4</source>
        <translation>Global: %1, máximo del eclipse %2 %3, magnitud %4</translation>
    </message>
    <message>
        <source>The Moon&apos;s shadow misses this place.</source>
        <translation>La sombra de la Luna no pasa por aquí.</translation>
    </message>
    <message>
        <source>The Sun is below the horizon throughout.</source>
        <translation>El Sol está bajo el horizonte todo el tiempo.</translation>
    </message>
    <message>
        <source>Sun at %1</source>
        <translation>Sol a %1</translation>
    </message>
    <message>
        <source>Sun below the horizon</source>
        <translation>Sol bajo el horizonte</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Inicio totalidad</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Inicio anular</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Fin totalidad</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Fin anular</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>Magnitude %1   Obscuration %2</source>
        <translation>Magnitud %1   Oscurecimiento %2</translation>
    </message>
    <message>
        <source>Totality lasts %1</source>
        <translation>La totalidad dura %1</translation>
    </message>
    <message>
        <source>Annularity lasts %1</source>
        <translation>La fase anular dura %1</translation>
    </message>
    <message>
        <source>--kind must be lunar, solar or both: &quot;%1&quot;</source>
        <translation>--kind debe ser lunar, solar o both: «%1»</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the kind of solar eclipse at the place, its visibility</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>usage: solar YYYY-MM-DD</source>
        <translation>uso: solar AAAA-MM-DD</translation>
    </message>
    <message>
        <source>no solar eclipse on &quot;%1&quot;</source>
        <translation>no hay eclipse de Sol el «%1»</translation>
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
        <translation>La Luna y el Sol para el observador de la configuración guardada.

Órdenes:
  moon [AAAA-MM-DD HH:MM[:SS]]   la Luna y el Sol en un instante local (por omisión, ahora)
  phases [AAAA-MM]               las fases principales de un mes
  perigee [AAAA-MM-DD [HH:MM]]   el próximo perigeo y el próximo apogeo
  riseset [AAAA-MM-DD]           salida, tránsito y puesta de la Luna y del Sol, crepúsculos
  month [AAAA-MM] [--csv]        la tabla del mes con las horas de salida, tránsito y puesta
  eclipses DESDE HASTA [--kind TIPO]
                                 los eclipses de Luna o de Sol de un intervalo de años
  solar AAAA-MM-DD               el eclipse de Sol de una fecha tal como lo ve el lugar
  ics DESDE [HASTA] [--only KINDS] [-o FILE]
                                 las fases, los eclipses, los perigeos y apogeos, los
                                 equinoccios y solsticios de esos años como archivo
                                 iCalendar (UTC)
  seasons [AAAA]                 los equinoccios y solsticios de un año
  easter [AAAA]                  la fecha del domingo de Pascua
  dateinfo [AAAA-MM-DD]          día juliano, día del año, semana, días hasta Navidad
  places NOMBRE                  los lugares con ese nombre, de mayor a menor

Cada respuesta indica la zona horaria en que se da.</translation>
    </message>
    <message>
        <source>eclipses: lunar (the default), solar, or both in one list.</source>
        <translation>eclipses: lunar (eclipses de Luna, por omisión), solar (eclipses de Sol) o both (ambos en una lista).</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>TIPO</translation>
    </message>
    <message>
        <source>--kind applies to the eclipses command only</source>
        <translation>--kind solo se aplica a la orden eclipses</translation>
    </message>
    <message>
        <source>the program %1, which answers this command line, could not be started: %2</source>
        <translation>no se pudo iniciar el programa %1, que responde a esta línea de órdenes: %2</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation>Minimizar esta ventana</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>%1 could not be saved: %2. They apply only until Crescendar is closed. %3</source>
        <translation>%1 no se han podido guardar: %2. Solo tendrán efecto hasta que se cierre Crescendar. %3</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is a symbolic link in the shared folder %1 that belongs to another user, and such a link is not followed</source>
        <translation>es un enlace simbólico de la carpeta compartida %1 que pertenece a otro usuario, y esos enlaces no se siguen</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>cambió mientras se abría</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file, a character device or a pipe</source>
        <translation>no es un archivo normal, ni un dispositivo de caracteres, ni una tubería</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Printed by Crescendar V%1 (home page: %2, installed with the program)</source>
        <translation>Impreso con Crescendar V%1 (página de inicio: %2, incluida con el programa)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Latitude: %1,   Longitude: %2</source>
        <translation>Latitud: %1,   Longitud: %2</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>the page has no size</source>
        <translation>la página no tiene tamaño</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the printer %1 could not be opened</source>
        <translation>no se ha podido abrir la impresora %1</translation>
    </message>
    <message>
        <source>the page could not be sent to the printer %1</source>
        <translation>no se ha podido enviar la página a la impresora %1</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se ha podido dibujar la página</translation>
    </message>
    <message>
        <source>%1 was not printed: %2.</source>
        <translation>%1 no se ha impreso: %2.</translation>
    </message>
    <message>
        <source>the PDF file %1 could not be created</source>
        <translation>no se ha podido crear el archivo PDF %1</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the value on line %1 runs on to the next line</source>
        <translation>el valor de la línea %1 continúa en la línea siguiente</translation>
    </message>
    <message>
        <source>a quotation mark on line %1 is not closed</source>
        <translation>unas comillas de la línea %1 no se cierran</translation>
    </message>
    <message>
        <source>the group name on line %1 has no closing ]</source>
        <translation>al nombre de grupo de la línea %1 le falta el ] de cierre</translation>
    </message>
    <message>
        <source>line %1 is not a name=value line</source>
        <translation>la línea %1 no tiene la forma nombre=valor</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>es una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>ocupa más de %1</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only, so it cannot be written</source>
        <translation>el archivo de configuración %1 es de solo lectura, así que no se puede escribir</translation>
    </message>
    <message>
        <source>the settings file %1 could not be created: its folder cannot be made</source>
        <translation>no se ha podido crear el archivo de configuración %1: no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written (%2)</source>
        <translation>no se ha podido escribir el archivo de configuración %1 (%2)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>The settings file %1 could not be used: %2. Crescendar runs on the default settings and leaves that file as it is.</source>
        <translation>No se ha podido usar el archivo de configuración %1: %2. Crescendar funciona con la configuración predeterminada y deja ese archivo tal como está.</translation>
    </message>
    <message>
        <source>Some values in the settings file %1 are not used, and their defaults apply instead: %2.</source>
        <translation>Algunos valores del archivo de configuración %1 no se usan y en su lugar se aplican los valores predeterminados: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only, so changes made now will not be saved.</source>
        <translation>El archivo de configuración %1 es de solo lectura, así que los cambios que haga ahora no se guardarán.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so changes made now will be lost when Crescendar closes.</source>
        <translation>No se ha podido escribir el archivo de configuración %1, así que los cambios que haga ahora se perderán al cerrar Crescendar.</translation>
    </message>
    <message>
        <source>the settings file %1 cannot hold a value named %2</source>
        <translation>el archivo de configuración %1 no puede contener un valor llamado %2</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged: %2</source>
        <translation>el archivo de configuración %1 está dañado: %2</translation>
    </message>
    <message>
        <source>the settings file %1 no longer exists</source>
        <translation>el archivo de configuración %1 ya no existe</translation>
    </message>
    <message>
        <source>the settings file %1 holds no Crescendar settings</source>
        <translation>el archivo de configuración %1 no contiene ninguna configuración de Crescendar</translation>
    </message>
    <message>
        <source>the settings file %1 cannot hold a window named %2</source>
        <translation>el archivo de configuración %1 no puede contener una ventana llamada %2</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>más de %1</translation>
    </message>
    <message>
        <source>neither %1 nor %2</source>
        <translation>ni %1 ni %2</translation>
    </message>
    <message>
        <source>not from 0 to %1</source>
        <translation>no está entre 0 y %1</translation>
    </message>
    <message>
        <source>not a date with a day, a month and a year</source>
        <translation>no es una fecha con día, mes y año</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>not a time zone this computer knows</source>
        <translation>no es una zona horaria conocida en este equipo</translation>
    </message>
    <message>
        <source>neither System nor a language of the program (en, de, fr, es)</source>
        <translation>ni System ni un idioma del programa (en, de, fr, es)</translation>
    </message>
    <message>
        <source>more than %1 degrees</source>
        <translation>más de %1 grados</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>The web page could not be opened: no web browser answered. Please open this address in your browser by hand:
%1</source>
        <translation>No se ha podido abrir la página web: ningún navegador ha respondido. Abra usted mismo esta dirección en su navegador:
%1</translation>
    </message>
    <message>
        <source>%1 could not be opened: no program answered to show it. Please open this file by hand, for instance in your web browser:
%2</source>
        <translation>%1 no se ha podido abrir: ningún programa ha respondido para mostrarla. Abra usted mismo este archivo, por ejemplo en su navegador:
%2</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Crescendar cannot open a display (%1). Run it on a desktop, or under a virtual display: xvfb-run -a %2</source>
        <translation>Crescendar no puede abrir ninguna pantalla (%1). Ejecútelo en un escritorio, o en una pantalla virtual: xvfb-run -a %2</translation>
    </message>
    <message>
        <source>cannot make a temporary folder</source>
        <translation>no se puede crear una carpeta temporal</translation>
    </message>
</context>
<context>
    <name>TPrint</name>
    <message>
        <source>MR:</source>
        <translation>SL:</translation>
    </message>
    <message>
        <source>TR:</source>
        <translation>TR:</translation>
    </message>
    <message>
        <source>MS:</source>
        <translation>PL:</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>SS:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>PS:</translation>
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
        <translation>Valores separados por comas (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>%1 was not saved: %2.</source>
        <translation>%1 no se ha guardado: %2.</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Tránsito de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>Moon lit (%)</source>
        <translation>Luna iluminada (%)</translation>
    </message>
    <message>
        <source>Astronomical twilight (morning)</source>
        <translation>Crepúsculo astronómico (mañana)</translation>
    </message>
    <message>
        <source>Nautical twilight (morning)</source>
        <translation>Crepúsculo náutico (mañana)</translation>
    </message>
    <message>
        <source>Civil twilight (morning)</source>
        <translation>Crepúsculo civil (mañana)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Tránsito del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>Civil twilight (evening)</source>
        <translation>Crepúsculo civil (tarde)</translation>
    </message>
    <message>
        <source>Nautical twilight (evening)</source>
        <translation>Crepúsculo náutico (tarde)</translation>
    </message>
    <message>
        <source>Astronomical twilight (evening)</source>
        <translation>Crepúsculo astronómico (tarde)</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Eclipse</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilidad</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astro</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <extracomment>The second full moon of a calendar month</extracomment>
        <translation>Luna azul</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Full (Blue) Moon</source>
        <extracomment>The phase of a moment at a blue moon</extracomment>
        <translation>Luna azul</translation>
    </message>
    <message>
        <source>Full (%1) Moon</source>
        <extracomment>The phase of a moment at full moon; %1 is the month&apos;s traditional full moon name</extracomment>
        <translation>Luna %1</translation>
    </message>
    <message>
        <source>Wolf</source>
        <extracomment>Traditional name of January&apos;s full moon, put into &quot;Full (%1) Moon&quot;</extracomment>
        <translation>del Lobo</translation>
    </message>
    <message>
        <source>Snow</source>
        <extracomment>February&apos;s full moon</extracomment>
        <translation>de la Nieve</translation>
    </message>
    <message>
        <source>Worm</source>
        <extracomment>March&apos;s full moon</extracomment>
        <translation>del Gusano</translation>
    </message>
    <message>
        <source>Pink</source>
        <extracomment>April&apos;s full moon</extracomment>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Flower</source>
        <extracomment>May&apos;s full moon</extracomment>
        <translation>de las Flores</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <extracomment>June&apos;s full moon</extracomment>
        <translation>de la Fresa</translation>
    </message>
    <message>
        <source>Buck</source>
        <extracomment>July&apos;s full moon</extracomment>
        <translation>del Ciervo</translation>
    </message>
    <message>
        <source>Sturgeon</source>
        <extracomment>August&apos;s full moon</extracomment>
        <translation>del Esturión</translation>
    </message>
    <message>
        <source>Harvest</source>
        <extracomment>September&apos;s full moon</extracomment>
        <translation>de la Cosecha</translation>
    </message>
    <message>
        <source>Hunter&apos;s</source>
        <extracomment>October&apos;s full moon</extracomment>
        <translation>del Cazador</translation>
    </message>
    <message>
        <source>Beaver</source>
        <extracomment>November&apos;s full moon</extracomment>
        <translation>del Castor</translation>
    </message>
    <message>
        <source>Cold</source>
        <extracomment>December&apos;s full moon</extracomment>
        <translation>Fría</translation>
    </message>
    <message>
        <source>Penumbral Lunar Eclipse</source>
        <translation>Eclipse penumbral de Luna</translation>
    </message>
    <message>
        <source>Partial Lunar Eclipse</source>
        <translation>Eclipse parcial de Luna</translation>
    </message>
    <message>
        <source>Total Lunar Eclipse</source>
        <translation>Eclipse total de Luna</translation>
    </message>
    <message>
        <source>Penumbral Eclipse</source>
        <translation>Eclipse penumbral</translation>
    </message>
    <message>
        <source>Partial Eclipse</source>
        <translation>Eclipse parcial</translation>
    </message>
    <message>
        <source>Total Eclipse</source>
        <translation>Eclipse total</translation>
    </message>
    <message>
        <source>Penumbral</source>
        <extracomment>An eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Penumbral</translation>
    </message>
    <message>
        <source>Partial</source>
        <extracomment>An eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Parcial</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>An eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Visible</source>
        <extracomment>Whether an eclipse can be seen from the observer&apos;s place</extracomment>
        <translation>visible</translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation>visible en parte</translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation>no visible</translation>
    </message>
    <message>
        <source>March Equinox</source>
        <translation>Equinoccio de marzo</translation>
    </message>
    <message>
        <source>June Solstice</source>
        <translation>Solsticio de junio</translation>
    </message>
    <message>
        <source>September Equinox</source>
        <translation>Equinoccio de septiembre</translation>
    </message>
    <message>
        <source>December Solstice</source>
        <translation>Solsticio de diciembre</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigeo</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeo</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In place of a rise, transit or set time: the body does not cross that altitude on the date. At most five characters.</extracomment>
        <translation>Nada</translation>
    </message>
    <message>
        <source>%1 days</source>
        <extracomment>The length of a season, %1 a decimal number such as 92.75</extracomment>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>Skipped: the clocks passed over this date</source>
        <translation>Omitida: los relojes se saltaron esta fecha</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>One-letter unit of the Moon&apos;s age: days</extracomment>
        <translation>d</translation>
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
        <translation>Eclipse solar parcial</translation>
    </message>
    <message>
        <source>Annular Solar Eclipse</source>
        <translation>Eclipse solar anular</translation>
    </message>
    <message>
        <source>Total Solar Eclipse</source>
        <translation>Eclipse solar total</translation>
    </message>
    <message>
        <source>Hybrid Solar Eclipse</source>
        <extracomment>A solar eclipse that is total along part of its track and annular along the rest</extracomment>
        <translation>Eclipse solar híbrido</translation>
    </message>
    <message>
        <source>Annular</source>
        <extracomment>A solar eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Hybrid</source>
        <extracomment>A solar eclipse&apos;s kind in the eclipse finder&apos;s narrow column</extracomment>
        <translation>Híbrido</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Mostrar el mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Mostrar el mes siguiente</translation>
    </message>
</context>
<context>
    <name>crescendar::TAbout</name>
    <message>
        <source>About Crescendar</source>
        <translation>Acerca de Crescendar</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>The Moon at your place and time</source>
        <translation>La Luna para su lugar y su hora</translation>
    </message>
</context>
<context>
    <name>crescendar::TCalendarExport</name>
    <message>
        <source>Calendar Export</source>
        <translation>Exportar a calendario</translation>
    </message>
    <message>
        <source>Close without exporting</source>
        <translation>Cerrar sin exportar</translation>
    </message>
    <message>
        <source>Moon phases</source>
        <translation>Fases de la Luna</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Perigeo y apogeo</translation>
    </message>
    <message>
        <source>Equinoxes, solstices</source>
        <translation>Equinoccios, solsticios</translation>
    </message>
    <message>
        <source>The first year of the calendar</source>
        <translation>El primer año del calendario</translation>
    </message>
    <message>
        <source>The last year of the calendar</source>
        <translation>El último año del calendario</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Desde el año</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Hasta el año</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Choose a file and save the events in it</source>
        <translation>Elegir un archivo y guardar en él los eventos</translation>
    </message>
    <message>
        <source>A year must lie between %1 and %2.</source>
        <translation>El año debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>One calendar takes at most %1 years.</source>
        <translation>Un calendario abarca como máximo %1 años.</translation>
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
        <translation>Archivos iCalendar (*.ics *.ICS)</translation>
    </message>
    <message>
        <source>The calendar was not saved: %1.</source>
        <translation>El calendario no se ha guardado: %1.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>New moons, first quarters, full moons and last quarters</source>
        <translation>Lunas nuevas, cuartos crecientes, lunas llenas y cuartos menguantes</translation>
    </message>
    <message>
        <source>The Moon nearest to and farthest from the Earth</source>
        <translation>La Luna en su punto más cercano y más lejano de la Tierra</translation>
    </message>
    <message>
        <source>The equinoxes and solstices</source>
        <translation>Los equinoccios y los solsticios</translation>
    </message>
    <message>
        <source>Please type a year in both boxes.</source>
        <translation>Escriba un año en las dos casillas.</translation>
    </message>
    <message>
        <source>The &quot;From&quot; year must not be later than the &quot;To&quot; year.</source>
        <translation>El primer año no debe ser posterior al segundo.</translation>
    </message>
    <message>
        <source>Please choose at least one kind of event.</source>
        <translation>Elija al menos un tipo de evento.</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclipses</translation>
    </message>
    <message>
        <source>Lunar eclipses, from the first to the last contact with the penumbra, and solar eclipses, from the first to the last contact at the place where it sees them</source>
        <translation>Eclipses de Luna, del primer al último contacto con la penumbra, y eclipses de Sol que el lugar ve, del primer al último contacto en él</translation>
    </message>
</context>
<context>
    <name>crescendar::TConfiguration</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the window, asking whether to save changes</source>
        <translation>Cerrar la ventana y preguntar si se guardan los cambios</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Guardar y cerrar</translation>
    </message>
    <message>
        <source>Save the settings and close</source>
        <translation>Guardar la configuración y cerrar</translation>
    </message>
    <message>
        <source>Saves the settings and closes the window. %1 asks whether to save changes.</source>
        <translation>Guarda la configuración y cierra la ventana. %1 pregunta si se guardan los cambios.</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Grados de latitud</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minutos de latitud</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Segundos de latitud</translation>
    </message>
    <message>
        <source>Latitude north or south</source>
        <translation>Latitud norte o sur</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Grados de longitud</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minutos de longitud</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Segundos de longitud</translation>
    </message>
    <message>
        <source>Longitude east or west</source>
        <translation>Longitud este u oeste</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Day order</source>
        <translation>Orden de los días de la semana</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>The printer the calendar is printed for</source>
        <translation>La impresora para la que se imprime el calendario</translation>
    </message>
    <message>
        <source>these coordinates</source>
        <translation>estas coordenadas</translation>
    </message>
    <message>
        <source>these coordinates (now “%1”)</source>
        <translation>estas coordenadas (ahora «%1»)</translation>
    </message>
    <message>
        <source>“%1” was not picked from the places offered. Keep it as the name of %2?</source>
        <translation>«%1» no se eligió entre los lugares propuestos. ¿Desea conservarlo como nombre de %2?</translation>
    </message>
    <message>
        <source>Keep the Name</source>
        <translation>Conservar el nombre</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Zone names look like Europe/Paris or America/New_York.</source>
        <translation>Los nombres de zona tienen la forma Europe/Madrid o America/Mexico_City.</translation>
    </message>
    <message>
        <source>The closest zone names are: %1.</source>
        <translation>Los nombres de zona más parecidos son: %1.</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows. %2 The time zone stays %3.</source>
        <translation>«%1» no es una zona horaria conocida en este equipo. %2 La zona horaria sigue siendo %3.</translation>
    </message>
    <message>
        <source>Your changes to the settings have not been saved. Save them before the window closes?</source>
        <translation>Los cambios en la configuración no se han guardado. ¿Desea guardarlos antes de que se cierre la ventana?</translation>
    </message>
    <message>
        <source>GMT %1 %2:%3</source>
        <translation>GMT %1 %2:%3</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitud:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>No place found</source>
        <translation>No se encontró ningún lugar</translation>
    </message>
    <message>
        <source>Day Order:</source>
        <translation>Semana:</translation>
    </message>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Domingo a sábado</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Lunes a domingo</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Martes a lunes</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Miércoles a martes</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Jueves a miércoles</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Viernes a jueves</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Sábado a viernes</translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Timezone:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>H.V.:</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Láser</translation>
    </message>
    <message>
        <source>B/W Inkjet</source>
        <translation>Tinta B/N</translation>
    </message>
    <message>
        <source>Colour Inkjet</source>
        <translation>Tinta color</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>Minutes and seconds of arc must be from 00 to 59.</source>
        <translation>Los minutos y segundos de arco deben estar entre 00 y 59.</translation>
    </message>
    <message>
        <source>The latitude must be from 0° to 90°.</source>
        <translation>La latitud debe estar entre 0° y 90°.</translation>
    </message>
    <message>
        <source>The longitude must be from 0° to 180°.</source>
        <translation>La longitud debe estar entre 0° y 180°.</translation>
    </message>
    <message>
        <source>“%1” is not a date pattern: it needs a day (dd), a month (mm) and a year (yyyy), as in dd/mm/yyyy. The pattern %2 is kept.</source>
        <translation>«%1» no es un formato de fecha: necesita un día (dd), un mes (mm) y un año (yyyy), como en dd/mm/yyyy. Se conserva el formato %2.</translation>
    </message>
    <message>
        <source>Your settings</source>
        <translation>Los cambios en la configuración</translation>
    </message>
    <message>
        <source>Click the exit again to close this window without saving them.</source>
        <translation>Haga clic de nuevo en el aspa para cerrar esta ventana sin guardarlos.</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Observador</translation>
    </message>
    <message>
        <source>Time and Printer</source>
        <translation>Hora e impresora</translation>
    </message>
    <message>
        <source>PRINTER</source>
        <translation>IMPRESORA</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Crescendar will show its texts in the chosen language from its next start.</source>
        <translation>Crescendar mostrará sus textos en el idioma elegido a partir del próximo inicio.</translation>
    </message>
</context>
<context>
    <name>crescendar::TDateInfoWindow</name>
    <message>
        <source>Date Information</source>
        <translation>Información de la fecha</translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation>Día juliano</translation>
    </message>
    <message>
        <source>Day Number</source>
        <translation>Día del año</translation>
    </message>
    <message>
        <source>Week Number</source>
        <translation>Semana ISO</translation>
    </message>
    <message>
        <source>Days Till Xmas</source>
        <translation>Días a Navidad</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>%1 at 0h UT</source>
        <translation>%1 a las 0 h TU</translation>
    </message>
</context>
<context>
    <name>crescendar::TEaster</name>
    <message>
        <source>Easter Sunday</source>
        <translation>Domingo de Pascua</translation>
    </message>
    <message>
        <source>Exit Crescendar</source>
        <translation>Salir de Crescendar</translation>
    </message>
    <message>
        <source>Sunday after the Paschal full moon</source>
        <translation>Domingo tras la luna llena pascual</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipse</name>
    <message>
        <source>Lunar Eclipse</source>
        <translation>Eclipse de Luna</translation>
    </message>
    <message>
        <source>This month has two eclipses: show the other</source>
        <translation>Este mes hay dos eclipses: mostrar el otro</translation>
    </message>
    <message>
        <source>Eclipse diagram</source>
        <translation>Diagrama del eclipse</translation>
    </message>
    <message>
        <source>%1: the Moon&apos;s path across the Earth&apos;s penumbra and umbra</source>
        <translation>%1: la trayectoria de la Luna a través de la penumbra y la sombra de la Tierra</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Moon enters Penumbra</source>
        <translation>Entrada en la penumbra</translation>
    </message>
    <message>
        <source>Moon enters Umbra</source>
        <translation>Entrada en la sombra</translation>
    </message>
    <message>
        <source>Start of Totality</source>
        <translation>Comienzo de la totalidad</translation>
    </message>
    <message>
        <source>Eclipse Maximum</source>
        <translation>Máximo del eclipse</translation>
    </message>
    <message>
        <source>End of Totality</source>
        <translation>Fin de la totalidad</translation>
    </message>
    <message>
        <source>Moon exits Umbra</source>
        <translation>Salida de la sombra</translation>
    </message>
    <message>
        <source>Moon exits Penumbra</source>
        <translation>Salida de la penumbra</translation>
    </message>
    <message>
        <source>Eclipse Magnitude</source>
        <translation>Magnitud del eclipse</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipseReport</name>
    <message>
        <source>Eclipse Finder</source>
        <translation>Buscador de eclipses</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Desde el año</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Hasta el año</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Calculate dates of eclipses between the two selected years</source>
        <translation>Calcular las fechas de los eclipses entre los dos años elegidos</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Progreso de la búsqueda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop the search</source>
        <translation>Detener la búsqueda</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Guardar como CSV…</translation>
    </message>
    <message>
        <source>Save the list as a CSV file</source>
        <translation>Guardar la lista como archivo CSV</translation>
    </message>
    <message>
        <source>Copy the list for a spreadsheet</source>
        <translation>Copiar la lista para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclipses</translation>
    </message>
    <message>
        <source>Crescendar eclipses %1.csv</source>
        <translation>Crescendar eclipses %1.csv</translation>
    </message>
    <message>
        <source>Crescendar eclipses %1-%2.csv</source>
        <translation>Crescendar eclipses %1-%2.csv</translation>
    </message>
    <message>
        <source>The eclipse list</source>
        <translation>La lista de eclipses</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Search cancelled</source>
        <translation>Búsqueda cancelada</translation>
    </message>
    <message>
        <source>The &quot;From&quot; year must not be later than the &quot;To&quot; year.</source>
        <translation>El primer año no debe ser posterior al segundo.</translation>
    </message>
    <message>
        <source>Please type a year in both boxes.</source>
        <translation>Escriba un año en las dos casillas.</translation>
    </message>
    <message>
        <source>A year must lie between 1 and 9999.</source>
        <translation>El año debe estar entre 1 y 9999.</translation>
    </message>
    <message numerus="yes">
        <source>%n eclipse(s) found</source>
        <translation>
            <numerusform>%n eclipse encontrado</numerusform>
            <numerusform>%n eclipses encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>List the lunar eclipses</source>
        <translation>Listar los eclipses de Luna</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>List the solar eclipses</source>
        <translation>Listar los eclipses de Sol</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>List the lunar and the solar eclipses</source>
        <translation>Listar los eclipses de Luna y de Sol</translation>
    </message>
</context>
<context>
    <name>crescendar::TEclipseWindowBase</name>
    <message>
        <source>Eclipse</source>
        <translation>Eclipse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Other eclipse</source>
        <translation>Otro eclipse</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Mostrar la fecha</translation>
    </message>
    <message>
        <source>Show this date in the main window</source>
        <translation>Mostrar esta fecha en la ventana principal</translation>
    </message>
    <message>
        <source>Double-click or press %1 to show this date in the main window</source>
        <translation>Haga doble clic o pulse %1 para mostrar esta fecha en la ventana principal</translation>
    </message>
    <message>
        <source>%1 of %2 ›</source>
        <translation>%1 de %2 ›</translation>
    </message>
</context>
<context>
    <name>crescendar::TEquinox</name>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation>Equinoccios y solsticios</translation>
    </message>
    <message>
        <source>Spring Equinox</source>
        <translation>Equinoccio vernal</translation>
    </message>
    <message>
        <source>Summer Solstice</source>
        <translation>Solsticio de verano</translation>
    </message>
    <message>
        <source>Autumn Equinox</source>
        <translation>Equinoccio de otoño</translation>
    </message>
    <message>
        <source>Winter Solstice</source>
        <translation>Solsticio de invierno</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Length of the season from the %1</source>
        <translation>Duración de la estación que empieza en el %1</translation>
    </message>
    <message>
        <source>Seasons of %1 in the southern hemisphere</source>
        <translation>Estaciones de %1 en el hemisferio sur</translation>
    </message>
    <message>
        <source>Seasons of %1 in the northern hemisphere</source>
        <translation>Estaciones de %1 en el hemisferio norte</translation>
    </message>
    <message>
        <source>Equinoxes &amp; Solstices</source>
        <translation>Equinoccios y solsticios</translation>
    </message>
    <message>
        <source>SEASON</source>
        <translation>ESTACIÓN</translation>
    </message>
    <message>
        <source>LOCAL TIME</source>
        <translation>HORA LOCAL</translation>
    </message>
    <message>
        <source>LASTS</source>
        <translation>DURACIÓN</translation>
    </message>
</context>
<context>
    <name>crescendar::TMain</name>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Tránsito del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Comienza el crepúsculo civil</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Termina el crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Comienza el crepúsculo náutico</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Termina el crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Comienza el crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Termina el crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Shown date and time</source>
        <translation>Fecha y hora mostradas</translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation>Fecha seleccionada</translation>
    </message>
    <message>
        <source>Local sidereal time</source>
        <translation>Tiempo sidéreo local</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Illuminated</source>
        <translation>Iluminada</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Right ascension</source>
        <translation>Ascensión recta</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Declinación</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Paralaje</translation>
    </message>
    <message>
        <source>Apparent diameter</source>
        <translation>Diámetro aparente</translation>
    </message>
    <message>
        <source>Next apogee</source>
        <translation>Próximo apogeo</translation>
    </message>
    <message>
        <source>Next perigee</source>
        <translation>Próximo perigeo</translation>
    </message>
    <message>
        <source>Moon azimuth</source>
        <translation>Acimut de la Luna</translation>
    </message>
    <message>
        <source>Moon altitude</source>
        <translation>Altura de la Luna</translation>
    </message>
    <message>
        <source>Position angle of the bright limb</source>
        <translation>Ángulo de posición del limbo iluminado</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Ángulo de fase</translation>
    </message>
    <message>
        <source>Sun azimuth</source>
        <translation>Acimut del Sol</translation>
    </message>
    <message>
        <source>Sun altitude</source>
        <translation>Altura del Sol</translation>
    </message>
    <message>
        <source>Sun right ascension</source>
        <translation>Ascensión recta del Sol</translation>
    </message>
    <message>
        <source>Sun declination</source>
        <translation>Declinación del Sol</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>La Luna</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Mostrar el mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Mostrar el mes siguiente</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Calendar for Month</source>
        <translation>Imprimir el calendario del mes</translation>
    </message>
    <message>
        <source>Binoculars or telescope</source>
        <translation>Prismáticos o telescopio</translation>
    </message>
    <message>
        <source>Switch between view as seen through Binoculars or a Telescope</source>
        <translation>Alternar entre la vista con prismáticos y con telescopio</translation>
    </message>
    <message>
        <source>Rise and set times</source>
        <translation>Horas de salida y puesta</translation>
    </message>
    <message>
        <source>Display Moon/Sun Rise/Set times and Twilight times for month</source>
        <translation>Mostrar las horas de salida y puesta de la Luna y del Sol y los crepúsculos del mes</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Display links to Lunar Internet Sites</source>
        <translation>Mostrar enlaces a sitios web sobre la Luna</translation>
    </message>
    <message>
        <source>Change the time</source>
        <translation>Cambiar la hora</translation>
    </message>
    <message>
        <source>Change the time within Crescendar</source>
        <translation>Cambiar la hora en Crescendar</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Display menu showing Report options</source>
        <translation>Mostrar el menú de informes</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Eclipse</translation>
    </message>
    <message>
        <source>Display circumstances of Lunar Eclipse occurring this month</source>
        <translation>Mostrar las circunstancias del eclipse de Luna de este mes</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>Crescendar&apos;s home page, shipped with the program (opens in your browser)</source>
        <translation>La página de inicio de Crescendar, incluida con el programa (se abre en su navegador)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Change configuration parameters</source>
        <translation>Cambiar los parámetros de configuración</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Display online help</source>
        <translation>Mostrar la ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Display version information</source>
        <translation>Mostrar la información de la versión</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit Crescendar</source>
        <translation>Salir de Crescendar</translation>
    </message>
    <message>
        <source>Choose the month</source>
        <translation>Elegir el mes</translation>
    </message>
    <message>
        <source>Pick the month to show</source>
        <translation>Elegir el mes que se muestra</translation>
    </message>
    <message>
        <source>Change the year</source>
        <translation>Cambiar el año</translation>
    </message>
    <message>
        <source>Type the year to show</source>
        <translation>Escribir el año que se muestra</translation>
    </message>
    <message>
        <source>Date information</source>
        <translation>Información de la fecha</translation>
    </message>
    <message>
        <source>Show the facts of the selected date</source>
        <translation>Mostrar los datos de la fecha seleccionada</translation>
    </message>
    <message>
        <source>Select this date</source>
        <translation>Seleccionar esta fecha</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>Select the day before</source>
        <translation>Seleccionar el día anterior</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>Select the day after</source>
        <translation>Seleccionar el día siguiente</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>Semana anterior</translation>
    </message>
    <message>
        <source>Select the same day a week earlier</source>
        <translation>Seleccionar el mismo día una semana antes</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Semana siguiente</translation>
    </message>
    <message>
        <source>Select the same day a week later</source>
        <translation>Seleccionar el mismo día una semana después</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Go back to the running clock: today, now</source>
        <translation>Volver al reloj en marcha: hoy, ahora</translation>
    </message>
    <message>
        <source>Cancel the edit</source>
        <translation>Cancelar la edición</translation>
    </message>
    <message>
        <source>Close the time or year editor as it was</source>
        <translation>Cerrar el editor de la hora o del año sin cambios</translation>
    </message>
    <message>
        <source>Accept the edit</source>
        <translation>Aceptar la edición</translation>
    </message>
    <message>
        <source>Take the time or year typed</source>
        <translation>Tomar la hora o el año escritos</translation>
    </message>
    <message>
        <source>Change the time within Crescendar (%1; then %2 accepts, %3 cancels)</source>
        <translation>Cambiar la hora en Crescendar (%1; luego %2 acepta, %3 cancela)</translation>
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
        <translation>%1, iluminada al %2 %</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Tránsito de la Luna</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Please type a year from 1 to 9999.</source>
        <translation>Escriba un año de 1 a 9999.</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Tránsito:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation>Puesta:</translation>
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
        <translation>Iluminada:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distancia:</translation>
    </message>
    <message>
        <source>R.A.:</source>
        <translation>A. R.:</translation>
    </message>
    <message>
        <source>Dec.:</source>
        <translation>Dec.:</translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation>Paralaje:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diámetro:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apogeo:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Perigeo:</translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation>Az.:</translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation>Alt.:</translation>
    </message>
    <message>
        <source>P.A.:</source>
        <translation>Á. P.:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>Á. F.:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Puesta:</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Civil:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Náutico:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronómico:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Comienzo</translation>
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
        <translation>La página de inicio</translation>
    </message>
    <message>
        <source>%1 %2 was not found beside the program or in %3.</source>
        <translation>%1 %2 no se ha encontrado junto al programa ni en %3.</translation>
    </message>
    <message>
        <source>The help page</source>
        <translation>La página de ayuda</translation>
    </message>
    <message>
        <source>Rise/Set Times</source>
        <translation>Salida y puesta</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepúsculo</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>LUNA</translation>
    </message>
    <message>
        <source>Minimise Crescendar</source>
        <translation>Minimizar Crescendar</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Solar eclipse</source>
        <translation>Eclipse solar</translation>
    </message>
    <message>
        <source>Display circumstances of Solar Eclipse occurring this month</source>
        <translation>Mostrar las circunstancias del eclipse solar de este mes</translation>
    </message>
</context>
<context>
    <name>crescendar::TMonthList</name>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
</context>
<context>
    <name>crescendar::TMonthlyPhases</name>
    <message>
        <source>Moon Phases</source>
        <translation>Fases de la Luna</translation>
    </message>
    <message>
        <source>Save image to disk</source>
        <translation>Guardar la imagen en el disco</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Copy the calendar to the clipboard</source>
        <translation>Copiar el calendario al portapapeles</translation>
    </message>
    <message>
        <source>Bitmap pictures (*.bmp *.BMP);;PNG pictures (*.png *.PNG)</source>
        <translation>Imágenes de mapa de bits (*.bmp *.BMP);;Imágenes PNG (*.png *.PNG)</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.</source>
        <translation>La imagen no se ha guardado: %1.</translation>
    </message>
    <message>
        <source>The picture was not saved: %1 already exists. Choose it by its full name to replace it.</source>
        <translation>La imagen no se ha guardado: %1 ya existe. Elija ese archivo por su nombre completo para sustituirlo.</translation>
    </message>
</context>
<context>
    <name>crescendar::TObservingAid</name>
    <message>
        <source>Lunar Visibility</source>
        <translation>Visibilidad lunar</translation>
    </message>
    <message>
        <source>Visibility chart</source>
        <translation>Gráfico de visibilidad</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print this chart</source>
        <translation>Imprimir este gráfico</translation>
    </message>
    <message>
        <source>Day or night view</source>
        <translation>Vista diurna o nocturna</translation>
    </message>
    <message>
        <source>Switch between the night view (noon to noon) and the day view (midnight to midnight)</source>
        <translation>Alternar entre la vista nocturna (de mediodía a mediodía) y la vista diurna (de medianoche a medianoche)</translation>
    </message>
    <message>
        <source>Hour grid</source>
        <translation>Cuadrícula horaria</translation>
    </message>
    <message>
        <source>Show or hide the hour grid</source>
        <translation>Mostrar u ocultar la cuadrícula horaria</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Copy this chart to the clipboard</source>
        <translation>Copiar este gráfico al portapapeles</translation>
    </message>
    <message>
        <source>Lunar Visibility, %1</source>
        <translation>Visibilidad de la Luna, %1</translation>
    </message>
    <message>
        <source>When the Moon is up on each day of %1 at %2</source>
        <translation>Cuándo está la Luna sobre el horizonte cada día de %1 en %2</translation>
    </message>
    <message>
        <source>The lunar visibility chart</source>
        <translation>El gráfico de visibilidad de la Luna</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Náutico</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Astronómico</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Moon up (height: phase)</source>
        <translation>Luna en el cielo (alto: fase)</translation>
    </message>
    <message>
        <source>Crescendar lunar visibility %1</source>
        <translation>Crescendar visibilidad lunar %1</translation>
    </message>
</context>
<context>
    <name>crescendar::TPrintOptions</name>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>A drawing of the Moon in every day&apos;s box</source>
        <translation>Un dibujo de la Luna en la casilla de cada día</translation>
    </message>
    <message>
        <source>Marks and times of new, full and quarter Moons</source>
        <translation>Marcas y horas de la luna nueva, el cuarto creciente, la luna llena y el cuarto menguante</translation>
    </message>
    <message>
        <source>Moonrise, transit and moonset of every day</source>
        <translation>Salida, tránsito y puesta de la Luna de cada día</translation>
    </message>
    <message>
        <source>Sunrise, transit and sunset of every day</source>
        <translation>Salida, tránsito y puesta del Sol de cada día</translation>
    </message>
    <message>
        <source>Daily Moon phases</source>
        <translation>Fases diarias de la Luna</translation>
    </message>
    <message>
        <source>Principal phases</source>
        <translation>Fases principales</translation>
    </message>
    <message>
        <source>Moon times</source>
        <translation>Horas de la Luna</translation>
    </message>
    <message>
        <source>Sun times</source>
        <translation>Horas del Sol</translation>
    </message>
    <message>
        <source>How dark the Moons are printed, 0 to 100</source>
        <translation>Intensidad con que se imprimen las lunas, de 0 a 100</translation>
    </message>
    <message>
        <source>Phase density %</source>
        <translation>Densidad %</translation>
    </message>
    <message>
        <source>Phase density</source>
        <translation>Densidad de las fases</translation>
    </message>
    <message>
        <source>Up and Down change the density</source>
        <translation>Las flechas arriba y abajo cambian la densidad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Store the choices and print</source>
        <translation>Guardar las opciones e imprimir</translation>
    </message>
    <message>
        <source>Close without printing</source>
        <translation>Cerrar sin imprimir</translation>
    </message>
    <message>
        <source>Your print choices</source>
        <translation>Sus opciones de impresión</translation>
    </message>
    <message>
        <source>Click OK again to print without saving them.</source>
        <translation>Haga clic de nuevo en Aceptar para imprimir sin guardarlas.</translation>
    </message>
    <message>
        <source>The calendar</source>
        <translation>El calendario</translation>
    </message>
</context>
<context>
    <name>crescendar::TReportMenu</name>
    <message>
        <source>Export to Calendar…</source>
        <translation>Exportar a calendario…</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Lunar visibility</source>
        <translation>Visibilidad de la Luna</translation>
    </message>
    <message>
        <source>Chart when the Moon is up through the month</source>
        <translation>Gráfico de cuándo está la Luna sobre el horizonte a lo largo del mes</translation>
    </message>
    <message>
        <source>Find eclipses</source>
        <translation>Buscar eclipses</translation>
    </message>
    <message>
        <source>Find the lunar eclipses between two years</source>
        <translation>Buscar los eclipses de Luna entre dos años</translation>
    </message>
    <message>
        <source>Display phases</source>
        <translation>Mostrar las fases</translation>
    </message>
    <message>
        <source>Show the Moon&apos;s phase on every day of the month</source>
        <translation>Mostrar la fase de la Luna en cada día del mes</translation>
    </message>
    <message>
        <source>Equinoxes and solstices</source>
        <translation>Equinoccios y solsticios</translation>
    </message>
    <message>
        <source>Show the year&apos;s equinoxes and solstices</source>
        <translation>Mostrar los equinoccios y solsticios del año</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pascua</translation>
    </message>
    <message>
        <source>Show the date of Easter</source>
        <translation>Mostrar la fecha del domingo de Pascua</translation>
    </message>
    <message>
        <source>Calendar export</source>
        <translation>Exportación a calendario</translation>
    </message>
    <message>
        <source>Save the Moon&apos;s events of some years as a calendar file</source>
        <translation>Guardar los fenómenos lunares de varios años en un archivo de calendario</translation>
    </message>
    <message>
        <source>Observing Aid: Lunar Visibility</source>
        <translation>Guía de observación: visibilidad lunar</translation>
    </message>
    <message>
        <source>Find Lunar Eclipses</source>
        <translation>Buscar eclipses de Luna</translation>
    </message>
    <message>
        <source>Monthly Phases of the Moon</source>
        <translation>Fases de la Luna del mes</translation>
    </message>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation>Equinoccios y solsticios</translation>
    </message>
    <message>
        <source>Easter Dates</source>
        <translation>Fechas de Pascua</translation>
    </message>
</context>
<context>
    <name>crescendar::TSolarEclipseWindow</name>
    <message>
        <source>Solar Eclipse</source>
        <translation>Eclipse solar</translation>
    </message>
    <message>
        <source>Worldwide</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>This month has two solar eclipses: show the other</source>
        <translation>Este mes tiene dos eclipses solares: mostrar el otro</translation>
    </message>
    <message>
        <source>Eclipse picture</source>
        <translation>Imagen del eclipse</translation>
    </message>
    <message>
        <source>Worldwide: %1</source>
        <translation>Global: %1</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Inicio totalidad</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Inicio anular</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Fin totalidad</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Fin anular</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>The Sun is below the horizon throughout.</source>
        <translation>El Sol está bajo el horizonte todo el tiempo.</translation>
    </message>
    <message>
        <source>Grey: the Sun is below the horizon.</source>
        <translation>Gris: Sol bajo el horizonte.</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Obscuration</source>
        <translation>Oscurecimiento</translation>
    </message>
    <message>
        <source>Totality lasts</source>
        <translation>Duración totalidad</translation>
    </message>
    <message>
        <source>Annularity lasts</source>
        <translation>Duración anular</translation>
    </message>
    <message>
        <source>The Moon&apos;s shadow misses this place.</source>
        <translation>La sombra de la Luna no pasa por aquí.</translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation>Máximo del eclipse</translation>
    </message>
    <message>
        <source>Greatest magnitude</source>
        <translation>Magnitud máxima</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1, Sun below the horizon</source>
        <translation>%1, Sol bajo el horizonte</translation>
    </message>
    <message>
        <source>%1, Sun at %2</source>
        <translation>%1, Sol a %2</translation>
    </message>
    <message>
        <source>The Sun at the maximum with the Moon over %1 of it, the zenith up</source>
        <translation>El Sol en el máximo, cubierto en un %1 por la Luna, cenit arriba</translation>
    </message>
    <message>
        <source>The Sun, not eclipsed at this place</source>
        <translation>El Sol, sin eclipse en este lugar</translation>
    </message>
</context>
<context>
    <name>crescendar::TTimesList</name>
    <message>
        <source>Monthly Times</source>
        <translation>Horas del mes</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Send the information on this screen to the printer</source>
        <translation>Enviar a la impresora la información de esta pantalla</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <source>Scroll information up on screen</source>
        <translation>Desplazar la información hacia arriba en la pantalla</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Desplazar hacia abajo</translation>
    </message>
    <message>
        <source>Scroll information down on screen</source>
        <translation>Desplazar la información hacia abajo en la pantalla</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Guardar como CSV…</translation>
    </message>
    <message>
        <source>Save this month&apos;s table as a CSV file</source>
        <translation>Guardar la tabla de este mes como archivo CSV</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy this month&apos;s table for a spreadsheet</source>
        <translation>Copiar la tabla de este mes para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Times of the month</source>
        <translation>Horas del mes</translation>
    </message>
    <message>
        <source>Crescendar times %1-%2.csv</source>
        <translation>Crescendar horas %1-%2.csv</translation>
    </message>
    <message>
        <source>The times table</source>
        <translation>La tabla de horas</translation>
    </message>
    <message>
        <source>Crescendar times %1</source>
        <translation>Crescendar horas %1</translation>
    </message>
    <message>
        <source>LST at</source>
        <translation>TSL a la</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>medianoche</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Sale</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Tráns.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ocaso</translation>
    </message>
    <message>
        <source>illum</source>
        <translation>ilum.</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Náut.</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepúsculo</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Monthly Rise, Set &amp; Twilight</source>
        <translation>Salida, puesta y crepúsculo</translation>
    </message>
    <message>
        <source>Morning twilight</source>
        <translation>Crep. matutino</translation>
    </message>
    <message>
        <source>Evening twilight</source>
        <translation>Crep. vespertino</translation>
    </message>
    <message>
        <source>Lit</source>
        <translation>Ilum.</translation>
    </message>
    <message>
        <source>Astro</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>crescendar::TWebMenu</name>
    <message>
        <source>Lunar Web Sites</source>
        <translation>Sitios web sobre la Luna</translation>
    </message>
    <message>
        <source>Lunar Resources on the Web</source>
        <translation>La Luna en la web</translation>
    </message>
    <message>
        <source>Earth&apos;s Moon</source>
        <translation>La Luna de la Tierra</translation>
    </message>
    <message>
        <source>Moon Phase and Libration</source>
        <translation>Fase y libración</translation>
    </message>
    <message>
        <source>Moon Fact Sheet</source>
        <translation>Ficha de datos lunares</translation>
    </message>
    <message>
        <source>Lunar Science and Exploration</source>
        <translation>Ciencia y exploración lunar</translation>
    </message>
    <message>
        <source>Lunar Orbiter Photo Atlas</source>
        <translation>Atlas fotográfico Lunar Orbiter</translation>
    </message>
    <message>
        <source>Lunar Reconnaissance Camera</source>
        <translation>Cámara de LRO</translation>
    </message>
    <message>
        <source>QuickMap: Explore the Moon</source>
        <translation>QuickMap: mapa de la Luna</translation>
    </message>
    <message>
        <source>Names of Lunar Features</source>
        <translation>Nombres de accidentes lunares</translation>
    </message>
    <message>
        <source>Astrogeology Science Center</source>
        <translation>Centro de Astrogeología</translation>
    </message>
    <message>
        <source>Lunar and Planetary Observers</source>
        <translation>Observadores lunares y planetarios</translation>
    </message>
    <message>
        <source>British Astronomical Assoc.</source>
        <translation>British Astronomical Assoc.</translation>
    </message>
    <message>
        <source>Lunar Occultations</source>
        <translation>Ocultaciones lunares</translation>
    </message>
    <message>
        <source>Lunar Eclipses</source>
        <translation>Eclipses de Luna</translation>
    </message>
    <message>
        <source>Missions to the Moon</source>
        <translation>Misiones a la Luna</translation>
    </message>
    <message>
        <source>Apollo Lunar Missions</source>
        <translation>Misiones lunares Apolo</translation>
    </message>
    <message>
        <source>Apollo Lunar Surface Journal</source>
        <translation>Diario de superficie Apolo</translation>
    </message>
    <message>
        <source>Lunar Reconnaissance Orbiter</source>
        <translation>Lunar Reconnaissance Orbiter</translation>
    </message>
    <message>
        <source>Artemis: Back to the Moon</source>
        <translation>Artemis: regreso a la Luna</translation>
    </message>
</context>
</TS>
