<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>WebPage</name>
    <message numerus="yes">
        <source>%n week(s), %1 minutes in all</source>
        <translation>
            <numerusform>%n week, %1 minutes in all</numerusform>
            <numerusform>%n weeks, %1 minutes in all</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing replaces all of Sonorix&apos;s data in this browser (the people, the drill log, the high scores, the error statistics and the filters) by the archive&apos;s %n file(s): %1. Export your data first to keep it.</source>
        <translation>
            <numerusform>Importing replaces all of Sonorix&apos;s data in this browser (the people, the drill log, the high scores, the error statistics and the filters) by the archive&apos;s %n file: %1. Export your data first to keep it.</numerusform>
            <numerusform>Importing replaces all of Sonorix&apos;s data in this browser (the people, the drill log, the high scores, the error statistics and the filters) by the archive&apos;s %n files: %1. Export your data first to keep it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n time)</numerusform>
            <numerusform>%1 (%n times)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>right at the first try in %1 of %n question(s)</source>
        <translation>
            <numerusform>right at the first try in %1 of %n question</numerusform>
            <numerusform>right at the first try in %1 of %n questions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) of the class are closed to this account; their figures are not shown.</source>
        <translation>
            <numerusform>%n folder of the class is closed to this account; its figures are not shown.</numerusform>
            <numerusform>%n folders of the class are closed to this account; their figures are not shown.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebClass</name>
    <message numerus="yes">
        <source>%n drill(s) still waiting for the network will not be sent to the class.</source>
        <translation>
            <numerusform>%n drill still waiting for the network will not be sent to the class.</numerusform>
            <numerusform>%n drills still waiting for the network will not be sent to the class.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebAssign</name>
    <message numerus="yes">
        <source>%n assignment(s)</source>
        <translation>
            <numerusform>%n assignment</numerusform>
            <numerusform>%n assignments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n assignment(s) due this week: %1</source>
        <translation>
            <numerusform>%n assignment due this week: %1</numerusform>
            <numerusform>%n assignments due this week: %1</numerusform>
        </translation>
    </message>
</context>
</TS>
