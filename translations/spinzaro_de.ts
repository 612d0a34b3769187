<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Layout</name>
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
        <source>Coin Slot</source>
        <translation>Münzeinwurf</translation>
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
        <source>You win %1 on %2</source>
        <translation>Gewinn: %1 mit %2</translation>
    </message>
</context>
<context>
    <name>spinzaro::Form1</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
</context>
<context>
    <name>spinzaro::FrmAbout</name>
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
</context>
</TS>
