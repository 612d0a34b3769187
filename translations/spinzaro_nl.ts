<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>A three-reel fruit slot machine, played with play money.</source>
        <translation>Een fruitautomaat met drie rollen, gespeeld met speelgeld.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>%1: %2; try &apos;%1 --help&apos;.</source>
        <translation>%1: %2; probeer &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Gebruik: %1 [opties]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>%1: write error: %2</source>
        <translation>%1: schrijffout: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Winnings</source>
        <translation>Winst</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>Inzetten</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Inzet</translation>
    </message>
    <message>
        <source>Coin Slot</source>
        <translation>Muntgleuf</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Web address: %1</source>
        <translation>Adres op het web: %1</translation>
    </message>
</context>
<context>
    <name>GameStart</name>
    <message>
        <source>Qt&apos;s SVG image plugin, which draws the pictures, is missing</source>
        <translation>de SVG-afbeeldingsplug-in van Qt, die de afbeeldingen tekent, ontbreekt</translation>
    </message>
</context>
<context>
    <name>PlatformStart</name>
    <message>
        <source> (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation> (noch DISPLAY noch WAYLAND_DISPLAY is ingesteld)</translation>
    </message>
    <message>
        <source>Spinzaro: cannot open a window: %1%2.</source>
        <translation>Spinzaro: kan geen venster openen: %1%2.</translation>
    </message>
    <message>
        <source>the platform plugin ended the program</source>
        <translation>de platformplug-in heeft het programma beëindigd</translation>
    </message>
    <message>
        <source>QT_SCALE_FACTOR=%1 is not a scale factor from 0.25 to 16</source>
        <translation>QT_SCALE_FACTOR=%1 is geen schaalfactor van 0,25 tot 16</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>single bar</source>
        <translation>enkele balk</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>double bar</source>
        <translation>dubbele balk</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>bel</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>bonus</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>kersen</translation>
    </message>
    <message>
        <source>triple bar</source>
        <translation>driedubbele balk</translation>
    </message>
    <message>
        <source>emblem</source>
        <translation>embleem</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <translation>%1 betaalt %2</translation>
    </message>
    <message>
        <source>pay table</source>
        <translation>uitbetalingstabel</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>munten</translation>
    </message>
    <message>
        <source>fifty-dollar bill</source>
        <translation>biljet van vijftig dollar</translation>
    </message>
    <message>
        <source>hundred-dollar bill</source>
        <translation>biljet van honderd dollar</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <translation>Rol %1: %2</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>You win %1 on %2. %3</source>
        <translation>Je wint %1 met %2. %3</translation>
    </message>
    <message>
        <source>Drop a coin to raise the stake (%1 or +)</source>
        <translation>Werp een munt in om de inzet te verhogen (%1 of +)</translation>
    </message>
    <message>
        <source>Raises the stake by one dollar, after five back to one; key %1 or +</source>
        <translation>Verhoogt de inzet met één dollar, na vijf weer naar één; toets %1 of +</translation>
    </message>
    <message>
        <source>You lose. %1</source>
        <translation>Verloren. %1</translation>
    </message>
    <message>
        <source>Stake now %1</source>
        <translation>Inzet nu %1</translation>
    </message>
</context>
</TS>
