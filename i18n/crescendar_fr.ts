<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
    <name>TableCommands</name>
    <message>
        <source>Comma-separated values (*.csv *.CSV)</source>
        <translation>Valeurs séparées par des virgules (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>%1 was not saved: %2.</source>
        <translation>%1 n&apos;a pas été enregistrée : %2.</translation>
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
        <source>Lunar eclipses</source>
        <translation>Éclipses de Lune</translation>
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
        <translation>Le calendrier n&apos;a pas été enregistré : %1.</translation>
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
        <translation>ces coordonnées (actuellement « %1 »)</translation>
    </message>
    <message>
        <source>“%1” was not picked from the places offered. Keep it as the name of %2?</source>
        <translation>« %1 » n&apos;a pas été choisi parmi les lieux proposés. Le garder comme nom de %2 ?</translation>
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
        <translation>Les noms de fuseau les plus proches sont : %1.</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows. %2 The time zone stays %3.</source>
        <translation>« %1 » n&apos;est pas un fuseau horaire connu de cet ordinateur. %2 Le fuseau horaire reste %3.</translation>
    </message>
    <message>
        <source>Your changes to the settings have not been saved. Save them before the window closes?</source>
        <translation>Vos modifications des paramètres n&apos;ont pas été enregistrées. Voulez-vous les enregistrer avant la fermeture de la fenêtre ?</translation>
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
        <translation>%1 à 0 h TU</translation>
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
</context>
<context>
    <name>crescendar::TEclipse</name>
    <message>
        <source>Lunar Eclipse</source>
        <translation>Éclipse de Lune</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Éclipse</translation>
    </message>
    <message>
        <source>Other eclipse</source>
        <translation>Autre éclipse</translation>
    </message>
    <message>
        <source>This month has two eclipses: show the other</source>
        <translation>Ce mois compte deux éclipses : afficher l&apos;autre</translation>
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
        <source>Eclipse diagram</source>
        <translation>Schéma de l&apos;éclipse</translation>
    </message>
    <message>
        <source>%1 of %2 ›</source>
        <translation>%1 sur %2 ›</translation>
    </message>
    <message>
        <source>%1: the Moon&apos;s path across the Earth&apos;s penumbra and umbra</source>
        <translation>%1 : trajectoire de la Lune à travers la pénombre et l&apos;ombre de la Terre</translation>
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
        <translation>%1 %</translation>
    </message>
    <message>
        <source>1 eclipse found</source>
        <translation>1 éclipse trouvée</translation>
    </message>
    <message>
        <source>%1 eclipses found</source>
        <translation>%1 éclipses trouvées</translation>
    </message>
    <message>
        <source>Search cancelled</source>
        <translation>Recherche annulée</translation>
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
        <translation>Durée de la saison ouverte par : %1</translation>
    </message>
    <message>
        <source>Seasons of %1 in the southern hemisphere</source>
        <translation>Saisons de %1 dans l&apos;hémisphère Sud</translation>
    </message>
    <message>
        <source>Seasons of %1 in the northern hemisphere</source>
        <translation>Saisons de %1 dans l&apos;hémisphère Nord</translation>
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
        <source>Minimize Crescendar</source>
        <translation>Réduire Crescendar</translation>
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
        <translation>Maintenant</translation>
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
        <translation>L&apos;image n&apos;a pas été enregistrée : %1.</translation>
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
</context>
<context>
    <name>crescendar::TPrintOptions</name>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimer le calendrier</translation>
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
        <translation>Phases quotidiennes de la Lune</translation>
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
        <translation>Densité des phases en %</translation>
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
</context>
<context>
    <name>crescendar::TWebMenu</name>
    <message>
        <source>Lunar Web Sites</source>
        <translation>Sites web sur la Lune</translation>
    </message>
</context>
</TS>
