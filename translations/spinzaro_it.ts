<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>A three-reel fruit slot machine, played with play money.</source>
        <translation>Una slot machine della frutta a tre rulli, giocata con denaro finto.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>%1: %2; try &apos;%1 --help&apos;.</source>
        <translation>%1: %2; provare &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>%1: write error: %2</source>
        <translation>%1: errore di scrittura: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Winnings</source>
        <translation>Vincite</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>Puntate</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Coin Slot</source>
        <translation>Gettoniera</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Web address: %1</source>
        <translation>Indirizzo sul web: %1</translation>
    </message>
</context>
<context>
    <name>GameStart</name>
    <message>
        <source>Qt&apos;s SVG image plugin, which draws the pictures, is missing</source>
        <translation>manca il plugin di immagini SVG di Qt, che disegna le immagini</translation>
    </message>
</context>
<context>
    <name>PlatformStart</name>
    <message>
        <source> (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation> (né DISPLAY né WAYLAND_DISPLAY è impostata)</translation>
    </message>
    <message>
        <source>Spinzaro: cannot open a window: %1%2.</source>
        <translation>Spinzaro: impossibile aprire una finestra: %1%2.</translation>
    </message>
    <message>
        <source>the platform plugin ended the program</source>
        <translation>il plugin della piattaforma ha terminato il programma</translation>
    </message>
    <message>
        <source>QT_SCALE_FACTOR=%1 is not a scale factor from 0.25 to 16</source>
        <translation>QT_SCALE_FACTOR=%1 non è un fattore di scala tra 0,25 e 16</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>single bar</source>
        <translation>barra singola</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>jolly</translation>
    </message>
    <message>
        <source>double bar</source>
        <translation>barra doppia</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>bonus</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>ciliegie</translation>
    </message>
    <message>
        <source>triple bar</source>
        <translation>barra tripla</translation>
    </message>
    <message>
        <source>emblem</source>
        <translation>stemma</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <translation>%1 paga %2</translation>
    </message>
    <message>
        <source>pay table</source>
        <translation>tabella dei premi</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>monete</translation>
    </message>
    <message>
        <source>fifty-dollar bill</source>
        <translation>banconota da cinquanta dollari</translation>
    </message>
    <message>
        <source>hundred-dollar bill</source>
        <translation>banconota da cento dollari</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <translation>Rullo %1: %2</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Gira</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>You win %1 on %2. %3</source>
        <translation>Hai vinto %1 con %2. %3</translation>
    </message>
    <message>
        <source>Drop a coin to raise the stake (%1 or +)</source>
        <translation>Inserire una moneta per alzare la puntata (%1 o +)</translation>
    </message>
    <message>
        <source>Raises the stake by one dollar, after five back to one; key %1 or +</source>
        <translation>Alza la puntata di un dollaro, dopo cinque torna a uno; tasto %1 o +</translation>
    </message>
    <message>
        <source>You lose. %1</source>
        <translation>Hai perso. %1</translation>
    </message>
    <message>
        <source>Stake now %1</source>
        <translation>Puntata ora %1</translation>
    </message>
</context>
</TS>
