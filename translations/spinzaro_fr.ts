<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>A three-reel fruit slot machine, played with play money.</source>
        <translation>Une machine à sous à fruits à trois rouleaux, jouée avec de l&apos;argent fictif.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>%1: %2; try &apos;%1 --help&apos;.</source>
        <translation>%1 : %2 ; essayez &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>%1: write error: %2</source>
        <translation>%1 : erreur d&apos;écriture : %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Winnings</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>Mises</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Coin Slot</source>
        <translation>Monnayeur</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
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
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Web address: %1</source>
        <translation>Adresse sur le web : %1</translation>
    </message>
</context>
<context>
    <name>GameStart</name>
    <message>
        <source>Qt&apos;s SVG image plugin, which draws the pictures, is missing</source>
        <translation>le module d&apos;images SVG de Qt, qui dessine les images, est absent</translation>
    </message>
</context>
<context>
    <name>PlatformStart</name>
    <message>
        <source> (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation> (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)</translation>
    </message>
    <message>
        <source>Spinzaro: cannot open a window: %1%2.</source>
        <translation>Spinzaro : impossible d’ouvrir une fenêtre : %1%2.</translation>
    </message>
    <message>
        <source>the platform plugin ended the program</source>
        <translation>le module de plateforme a mis fin au programme</translation>
    </message>
    <message>
        <source>QT_SCALE_FACTOR=%1 is not a scale factor from 0.25 to 16</source>
        <translation>QT_SCALE_FACTOR=%1 n&apos;est pas un facteur d&apos;échelle entre 0,25 et 16</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>single bar</source>
        <translation>barre simple</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>double bar</source>
        <translation>barre double</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>cloche</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>bonus</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>cerises</translation>
    </message>
    <message>
        <source>triple bar</source>
        <translation>barre triple</translation>
    </message>
    <message>
        <source>emblem</source>
        <translation>emblème</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <translation>%1 rapporte %2</translation>
    </message>
    <message>
        <source>pay table</source>
        <translation>table des gains</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>pièces</translation>
    </message>
    <message>
        <source>fifty-dollar bill</source>
        <translation>billet de cinquante dollars</translation>
    </message>
    <message>
        <source>hundred-dollar bill</source>
        <translation>billet de cent dollars</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <translation>Rouleau %1 : %2</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>You win %1 on %2. %3</source>
        <translation>Vous gagnez %1 avec %2. %3</translation>
    </message>
    <message>
        <source>Drop a coin to raise the stake (%1 or +)</source>
        <translation>Insérer une pièce pour augmenter la mise (%1 ou +)</translation>
    </message>
    <message>
        <source>Raises the stake by one dollar, after five back to one; key %1 or +</source>
        <translation>Augmente la mise d&apos;un dollar, après cinq elle revient à un ; touche %1 ou +</translation>
    </message>
    <message>
        <source>You lose. %1</source>
        <translation>Perdu. %1</translation>
    </message>
    <message>
        <source>Stake now %1</source>
        <translation>Mise maintenant %1</translation>
    </message>
</context>
</TS>
