<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessible name</name>
    <message>
        <source>Third side of the triangle in m</source>
        <translation>Dritte Seite des Dreiecks in m</translation>
    </message>
    <message>
        <source>Second side of the triangle in m</source>
        <translation>Zweite Seite des Dreiecks in m</translation>
    </message>
    <message>
        <source>First side of the triangle in m</source>
        <translation>Erste Seite des Dreiecks in m</translation>
    </message>
    <message>
        <source>Power: base</source>
        <translation>Potenz: Basis</translation>
    </message>
    <message>
        <source>Power: answer</source>
        <translation>Potenz: Ergebnis</translation>
    </message>
    <message>
        <source>Factorial: number</source>
        <translation>Fakultät: Zahl</translation>
    </message>
    <message>
        <source>Factorial: answer</source>
        <translation>Fakultät: Ergebnis</translation>
    </message>
    <message>
        <source>Addition: second number</source>
        <translation>Addition: zweite Zahl</translation>
    </message>
    <message>
        <source>Subtraction: number to subtract from</source>
        <translation>Subtraktion: Zahl, von der abgezogen wird</translation>
    </message>
    <message>
        <source>Addition: answer</source>
        <translation>Addition: Ergebnis</translation>
    </message>
    <message>
        <source>Subtraction: number to subtract</source>
        <translation>Subtraktion: abzuziehende Zahl</translation>
    </message>
    <message>
        <source>Subtraction: answer</source>
        <translation>Subtraktion: Ergebnis</translation>
    </message>
    <message>
        <source>Power: exponent</source>
        <translation>Potenz: Exponent</translation>
    </message>
    <message>
        <source>Multiplication: first number</source>
        <translation>Multiplikation: erste Zahl</translation>
    </message>
    <message>
        <source>Multiplication: second number</source>
        <translation>Multiplikation: zweite Zahl</translation>
    </message>
    <message>
        <source>Multiplication: answer</source>
        <translation>Multiplikation: Ergebnis</translation>
    </message>
    <message>
        <source>Addition: first number</source>
        <translation>Addition: erste Zahl</translation>
    </message>
    <message>
        <source>The Quorvane Calculator</source>
        <translation>Der Quorvane Calculator</translation>
    </message>
</context>
<context>
    <name>Copy all</name>
    <message>
        <source>Copy all</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>π taken as 22/7</source>
        <translation>π als 22/7 genommen</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>these three sides make no triangle, as one is longer than the other two together</source>
        <translation>diese drei Seiten ergeben kein Dreieck, denn eine ist länger als die beiden anderen zusammen</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Conversion failure</source>
        <translation>Umwandlungsfehler</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Calculation failure</source>
        <translation>Rechenfehler</translation>
    </message>
    <message>
        <source>the number in a field is too large for the calculator</source>
        <translation>die Zahl in einem Feld ist zu groß für den Rechner</translation>
    </message>
    <message>
        <source>the number in the field “%1”, which is hidden, is too large for the calculator</source>
        <translation>die Zahl im ausgeblendeten Feld „%1“ ist zu groß für den Rechner</translation>
    </message>
    <message>
        <source>the number in the field “%1” is too large for the calculator</source>
        <translation>die Zahl im Feld „%1“ ist zu groß für den Rechner</translation>
    </message>
    <message>
        <source>the field “%1” holds %2, which is not a number here: the decimal separator is “%3”</source>
        <translation>das Feld „%1“ enthält %2, und das ist hier keine Zahl: das Dezimaltrennzeichen ist „%3“</translation>
    </message>
    <message>
        <source>a field is empty or holds text that is not a number</source>
        <translation>ein Feld ist leer oder enthält Text, der keine Zahl ist</translation>
    </message>
    <message>
        <source>the field “%1”, which is hidden, is empty or holds text that is not a number</source>
        <translation>das ausgeblendete Feld „%1“ ist leer oder enthält Text, der keine Zahl ist</translation>
    </message>
    <message>
        <source>the field “%1” is empty or holds text that is not a number</source>
        <translation>das Feld „%1“ ist leer oder enthält Text, der keine Zahl ist</translation>
    </message>
    <message>
        <source>%1 + %2 is too large for the calculator</source>
        <translation>%1 + %2 ist zu groß für den Rechner</translation>
    </message>
    <message>
        <source>%1 − %2 is too large for the calculator</source>
        <translation>%1 − %2 ist zu groß für den Rechner</translation>
    </message>
    <message>
        <source>%1 × %2 is too large for the calculator</source>
        <translation>%1 × %2 ist zu groß für den Rechner</translation>
    </message>
    <message>
        <source>%1 ÷ %2 is too large for the calculator</source>
        <translation>%1 ÷ %2 ist zu groß für den Rechner</translation>
    </message>
    <message>
        <source>%1 to the power %2 is too large for the calculator</source>
        <translation>%1 hoch %2 ist zu groß für den Rechner</translation>
    </message>
    <message>
        <source>the factorial of %1 is too large for the calculator</source>
        <translation>die Fakultät von %1 ist zu groß für den Rechner</translation>
    </message>
    <message>
        <source>%1 ÷ %2 has no value</source>
        <translation>%1 ÷ %2 hat keinen Wert</translation>
    </message>
    <message>
        <source>%1 cannot be divided by 0</source>
        <translation>%1 kann nicht durch 0 geteilt werden</translation>
    </message>
    <message>
        <source>%1 to the negative power %2 has no value</source>
        <translation>%1 hoch die negative Zahl %2 hat keinen Wert</translation>
    </message>
    <message>
        <source>the square root of %1 has no real value</source>
        <translation>die Quadratwurzel aus %1 hat keinen reellen Wert</translation>
    </message>
    <message>
        <source>the cube root of %1 has no real value</source>
        <translation>die Kubikwurzel aus %1 hat keinen reellen Wert</translation>
    </message>
    <message>
        <source>%1 to the fractional power %2 has no real value</source>
        <translation>%1 hoch die gebrochene Zahl %2 hat keinen reellen Wert</translation>
    </message>
    <message>
        <source>the calculation failed</source>
        <translation>die Rechnung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2 (computing “%3”, which is hidden).</source>
        <translation>%1: %2 (bei der Berechnung des ausgeblendeten Felds „%3“).</translation>
    </message>
    <message>
        <source>%1: %2 (computing “%3”).</source>
        <translation>%1: %2 (bei der Berechnung von „%3“).</translation>
    </message>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
</context>
<context>
    <name>Formula</name>
    <message>
        <source>1 × 2 × … × %1</source>
        <translation>1 × 2 × … × %1</translation>
    </message>
    <message>
        <source>%1, where %2 = %3</source>
        <translation>%1, wobei %2 = %3</translation>
    </message>
    <message>
        <source>%1 (π taken as 22/7)</source>
        <translation>%1 (π als 22/7 genommen)</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>circumference</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>slant height</source>
        <translation>Mantellinie</translation>
    </message>
    <message>
        <source>curved surface area</source>
        <translation>Mantelfläche</translation>
    </message>
    <message>
        <source>total surface area</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>lateral surface area</source>
        <translation>Mantelfläche</translation>
    </message>
    <message>
        <source>breadth</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>Diagonale</translation>
    </message>
    <message>
        <source>surface area</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>erste Zahl</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>zweite Zahl</translation>
    </message>
    <message>
        <source>quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>“%1” was read as %2: this window takes the full stop as its decimal point and no thousands separator, so its reading stopped at “%3”.</source>
        <translation>„%1“ wurde als %2 gelesen: Dieses Fenster nimmt den Punkt als Dezimaltrennzeichen und kein Tausendertrennzeichen, daher hörte das Lesen bei „%3“ auf.</translation>
    </message>
    <message>
        <source>“%1” holds %2, too small for the calculator, and was read as %3.</source>
        <translation>„%1“ enthält %2, eine für den Rechner zu kleine Zahl, und wurde als %3 gelesen.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 ist %2.</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Start it in a desktop session, or under a virtual X server: xvfb-run quorvane
</source>
        <translation>Starten Sie ihn in einer Desktop-Sitzung oder auf einem virtuellen X-Server: xvfb-run quorvane
</translation>
    </message>
    <message>
        <source>The Quorvane Calculator: arithmetic, roots, areas and volumes, in windows of their own.</source>
        <translation>Der Quorvane Calculator: Grundrechenarten, Wurzeln, Flächen und Volumen, jeweils in einem eigenen Fenster.</translation>
    </message>
    <message>
        <source>Shows these options and ends.</source>
        <translation>Zeigt diese Optionen und beendet sich.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und beendet sich.</translation>
    </message>
    <message>
        <source>The window system to open the windows on, by the name of Qt&apos;s plugin: xcb (X11), wayland, offscreen (no window is seen).</source>
        <translation>Das Fenstersystem, auf dem sich die Fenster öffnen, mit dem Namen des Qt-Plugins: xcb (X11), wayland, offscreen (kein Fenster ist zu sehen).</translation>
    </message>
    <message>
        <source>The X display to show the windows on (X11), such as :1.</source>
        <translation>Das X-Display, auf dem die Fenster erscheinen (X11), etwa :1.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, or one a desktop installs.</source>
        <translation>Der Widget-Stil: Fusion, Windows oder einer, den ein Desktop mitbringt.</translation>
    </message>
    <message>
        <source>Given by a session manager that starts the calculator again at login.</source>
        <translation>Von einer Sitzungsverwaltung übergeben, die den Rechner bei der Anmeldung wieder startet.</translation>
    </message>
    <message>
        <source>Where the main window opens, as X11 writes it: +X+Y from the screen&apos;s top left (-X, -Y from its right or bottom). A size is passed over: the windows keep theirs.</source>
        <translation>Wo sich das Hauptfenster öffnet, in der Schreibweise von X11: +X+Y von der linken oberen Ecke des Bildschirms aus (-X, -Y von rechts oder unten). Eine Größe wird übergangen: Die Fenster behalten ihre.</translation>
    </message>
    <message>
        <source>quorvane: %1
quorvane --help shows the options.
</source>
        <translation>quorvane: %1
quorvane --help zeigt die Optionen.
</translation>
    </message>
    <message>
        <source>quorvane: Unexpected argument &apos;%1&apos;.
quorvane --help shows the options.
</source>
        <translation>quorvane: Unerwartetes Argument „%1“.
quorvane --help zeigt die Optionen.
</translation>
    </message>
    <message>
        <source>Usage: quorvane [options]
</source>
        <translation>Aufruf: quorvane [Optionen]
</translation>
    </message>
    <message>
        <source>
Qt&apos;s other standard options, such as -reverse, -qwindowtitle and -stylesheet,
are taken as any Qt program takes them (man quorvane).
</source>
        <translation>
Die übrigen Standardoptionen von Qt, etwa -reverse, -qwindowtitle und -stylesheet,
werden wie von jedem Qt-Programm angenommen (man quorvane).
</translation>
    </message>
    <message>
        <source>quorvane: Qt reads -%1 with its value after a space: -%1 VALUE.
quorvane --help shows the options.
</source>
        <translation>quorvane: Qt liest -%1 mit seinem Wert nach einem Leerzeichen: -%1 WERT.
quorvane --help zeigt die Optionen.
</translation>
    </message>
    <message>
        <source>quorvane: no display to show the calculator on (neither DISPLAY nor WAYLAND_DISPLAY is set).
%1</source>
        <translation>quorvane: kein Display, auf dem der Rechner erscheinen könnte (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).
%1</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window on this display.
</source>
        <translation>quorvane: Auf diesem Display kann kein Fenster geöffnet werden.
</translation>
    </message>
</context>
<context>
    <name>qv::frame::Field</name>
    <message numerus="yes">
        <source>Only the first of the %n pasted cells or lines, “%1”, was entered into “%2”.</source>
        <translation>
            <numerusform>Von der %n eingefügten Zelle oder Zeile wurde „%1“ in „%2“ eingetragen.</numerusform>
            <numerusform>Von den %n eingefügten Zellen oder Zeilen wurde nur die erste, „%1“, in „%2“ eingetragen.</numerusform>
        </translation>
    </message>
</context>
</TS>
