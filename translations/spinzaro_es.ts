<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>A three-reel fruit slot machine, played with play money.</source>
        <translation>Una máquina tragaperras de frutas de tres rodillos, jugada con dinero ficticio.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>%1: %2; try &apos;%1 --help&apos;.</source>
        <translation>%1: %2; pruebe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>%1: write error: %2</source>
        <translation>%1: error de escritura: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Winnings</source>
        <translation>Ganancias</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>Apuestas</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Coin Slot</source>
        <translation>Monedero</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Web address: %1</source>
        <translation>Dirección en la web: %1</translation>
    </message>
</context>
<context>
    <name>GameStart</name>
    <message>
        <source>Qt&apos;s SVG image plugin, which draws the pictures, is missing</source>
        <translation>falta el complemento de imágenes SVG de Qt, que dibuja las imágenes</translation>
    </message>
</context>
<context>
    <name>PlatformStart</name>
    <message>
        <source> (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation> (no está definida ni DISPLAY ni WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>Spinzaro: cannot open a window: %1%2.</source>
        <translation>Spinzaro: no se puede abrir una ventana: %1%2.</translation>
    </message>
    <message>
        <source>the platform plugin ended the program</source>
        <translation>el complemento de plataforma terminó el programa</translation>
    </message>
    <message>
        <source>QT_SCALE_FACTOR=%1 is not a scale factor from 0.25 to 16</source>
        <translation>QT_SCALE_FACTOR=%1 no es un factor de escala entre 0,25 y 16</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>single bar</source>
        <translation>barra simple</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>comodín</translation>
    </message>
    <message>
        <source>double bar</source>
        <translation>barra doble</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>bono</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>cerezas</translation>
    </message>
    <message>
        <source>triple bar</source>
        <translation>barra triple</translation>
    </message>
    <message>
        <source>emblem</source>
        <translation>emblema</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <translation>%1 paga %2</translation>
    </message>
    <message>
        <source>pay table</source>
        <translation>tabla de premios</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>monedas</translation>
    </message>
    <message>
        <source>fifty-dollar bill</source>
        <translation>billete de cincuenta dólares</translation>
    </message>
    <message>
        <source>hundred-dollar bill</source>
        <translation>billete de cien dólares</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <translation>Rodillo %1: %2</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>You win %1 on %2. %3</source>
        <translation>Ganas %1 con %2. %3</translation>
    </message>
    <message>
        <source>Drop a coin to raise the stake (%1 or +)</source>
        <translation>Echar una moneda para subir la apuesta (%1 o +)</translation>
    </message>
    <message>
        <source>Raises the stake by one dollar, after five back to one; key %1 or +</source>
        <translation>Sube la apuesta un dólar, después de cinco vuelve a uno; tecla %1 o +</translation>
    </message>
    <message>
        <source>You lose. %1</source>
        <translation>Pierdes. %1</translation>
    </message>
    <message>
        <source>Stake now %1</source>
        <translation>Apuesta ahora %1</translation>
    </message>
</context>
</TS>
