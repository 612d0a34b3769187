<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>A three-reel fruit slot machine, played with play money.</source>
        <translation>Ein Früchte-Spielautomat mit drei Walzen, gespielt mit Spielgeld.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>%1: %2; try &apos;%1 --help&apos;.</source>
        <translation>%1: %2; siehe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>%1: write error: %2</source>
        <translation>%1: Schreibfehler: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Winnings</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Coin Slot</source>
        <translation>Münzeinwurf</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Web address: %1</source>
        <translation>Adresse im Web: %1</translation>
    </message>
</context>
<context>
    <name>GameStart</name>
    <message>
        <source>Qt&apos;s SVG image plugin, which draws the pictures, is missing</source>
        <translation>Das SVG-Bildmodul von Qt, das die Bilder zeichnet, fehlt</translation>
    </message>
</context>
<context>
    <name>PlatformStart</name>
    <message>
        <source> (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation> (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
    <message>
        <source>Spinzaro: cannot open a window: %1%2.</source>
        <translation>Spinzaro: Es kann kein Fenster geöffnet werden: %1%2.</translation>
    </message>
    <message>
        <source>the platform plugin ended the program</source>
        <translation>das Plattformmodul hat das Programm beendet</translation>
    </message>
    <message>
        <source>QT_SCALE_FACTOR=%1 is not a scale factor from 0.25 to 16</source>
        <translation>QT_SCALE_FACTOR=%1 ist kein Skalierungsfaktor von 0,25 bis 16</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>single bar</source>
        <translation>einfacher Balken</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>double bar</source>
        <translation>doppelter Balken</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>triple bar</source>
        <translation>dreifacher Balken</translation>
    </message>
    <message>
        <source>emblem</source>
        <translation>Emblem</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <translation>%1 zahlt %2</translation>
    </message>
    <message>
        <source>pay table</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>fifty-dollar bill</source>
        <translation>Fünfzig-Dollar-Schein</translation>
    </message>
    <message>
        <source>hundred-dollar bill</source>
        <translation>Hundert-Dollar-Schein</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <translation>Walze %1: %2</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>You win %1 on %2. %3</source>
        <translation>Gewinn: %1 mit %2. %3</translation>
    </message>
    <message>
        <source>Drop a coin to raise the stake (%1 or +)</source>
        <translation>Münze einwerfen, um den Einsatz zu erhöhen (%1 oder +)</translation>
    </message>
    <message>
        <source>Raises the stake by one dollar, after five back to one; key %1 or +</source>
        <translation>Erhöht den Einsatz um einen Dollar, nach fünf wieder auf einen; Taste %1 oder +</translation>
    </message>
    <message>
        <source>You lose. %1</source>
        <translation>Verloren. %1</translation>
    </message>
    <message>
        <source>Stake now %1</source>
        <translation>Einsatz jetzt %1</translation>
    </message>
</context>
</TS>
