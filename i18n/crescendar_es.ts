<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <source>Lunar eclipses</source>
        <translation>Eclipses de Luna</translation>
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
</context>
<context>
    <name>crescendar::TEclipse</name>
    <message>
        <source>Lunar Eclipse</source>
        <translation>Eclipse de Luna</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Eclipse</translation>
    </message>
    <message>
        <source>Other eclipse</source>
        <translation>Otro eclipse</translation>
    </message>
    <message>
        <source>This month has two eclipses: show the other</source>
        <translation>Este mes hay dos eclipses: mostrar el otro</translation>
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
        <source>Eclipse diagram</source>
        <translation>Diagrama del eclipse</translation>
    </message>
    <message>
        <source>%1 of %2 ›</source>
        <translation>%1 de %2 ›</translation>
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
        <source>1 eclipse found</source>
        <translation>1 eclipse encontrado</translation>
    </message>
    <message>
        <source>%1 eclipses found</source>
        <translation>%1 eclipses encontrados</translation>
    </message>
    <message>
        <source>Search cancelled</source>
        <translation>Búsqueda cancelada</translation>
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
        <source>Minimize Crescendar</source>
        <translation>Minimizar Crescendar</translation>
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
</context>
<context>
    <name>crescendar::TObservingAid</name>
    <message>
        <source>Lunar Visibility</source>
        <translation>Visibilidad de la Luna</translation>
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
</context>
<context>
    <name>crescendar::TPrintOptions</name>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimir calendario</translation>
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
        <translation>Densidad de las fases %</translation>
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
</context>
<context>
    <name>crescendar::TWebMenu</name>
    <message>
        <source>Lunar Web Sites</source>
        <translation>Sitios web sobre la Luna</translation>
    </message>
</context>
</TS>
