<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>crescendar::TEclipseReport</name>
    <message numerus="yes">
        <source>%n eclipse(s) found</source>
        <translation>
            <numerusform>%n eclipse found</numerusform>
            <numerusform>%n eclipses found</numerusform>
        </translation>
    </message>
</context>
</TS>
