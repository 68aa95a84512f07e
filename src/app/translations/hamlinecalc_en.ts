<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>QObject</name>
    <message>
        <source>Importa misura Touchstone</source>
        <translation>Import Touchstone Measurement</translation>
    </message>
    <message>
        <source>File Touchstone (*.s1p *.s2p *.S1P *.S2P *.ts);;Tutti i file (*)</source>
        <translation>Touchstone files (*.s1p *.s2p *.S1P *.S2P *.ts);;All files (*)</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Ingrandisci</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Riduci</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Dimensione normale</source>
        <translation>Normal Size</translation>
    </message>
    <message>
        <source>A&amp;iuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Copia tutti i risultati</source>
        <translation>Copy All Results</translation>
    </message>
</context>
<context>
    <name>app::QtWindow</name>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Seleziona tutto</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>app::SmithChart</name>
    <message>
        <source>Carta di Smith</source>
        <translation>Smith Chart</translation>
    </message>
</context>
<context>
    <name>app::TouchstoneImport</name>
    <message>
        <source>Importa misura Touchstone...</source>
        <translation>Import Touchstone Measurement...</translation>
    </message>
</context>
<context>
    <name>app::TouchstoneImportDialog</name>
    <message>
        <source>Importa misura Touchstone</source>
        <translation>Import Touchstone Measurement</translation>
    </message>
    <message>
        <source>Frequenza (MHz):</source>
        <translation>Frequency (MHz):</translation>
    </message>
    <message>
        <source>Punto: R e X da S11</source>
        <translation>Point: R and X from S11</translation>
    </message>
    <message>
        <source>Linea: R e X da S11, e la frequenza</source>
        <translation>Line: R and X from S11, and the frequency</translation>
    </message>
    <message>
        <source>Antenna: S11 su 50 ohm</source>
        <translation>Antenna: S11 on 50 ohm</translation>
    </message>
    <message>
        <source>Tuner: S11, S21, S12, S22 su 50 ohm</source>
        <translation>Tuner: S11, S21, S12, S22 on 50 ohm</translation>
    </message>
    <message>
        <source>%1 ohm</source>
        <translation>%1 ohm</translation>
    </message>
    <message>
        <source>%1 ohm per porta</source>
        <translation>%1 ohm per port</translation>
    </message>
    <message>
        <source>porta 1 %1 ohm, porta 2 %2 ohm</source>
        <translation>port 1 %1 ohm, port 2 %2 ohm</translation>
    </message>
    <message>
        <source>1 punto</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 punti</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>1 porta</source>
        <translation>1 port</translation>
    </message>
    <message>
        <source>2 porte</source>
        <translation>2 ports</translation>
    </message>
    <message>
        <source>, da %1 a %2</source>
        <translation>, from %1 to %2</translation>
    </message>
    <message>
        <source>Riferimento %1</source>
        <translation>Reference %1</translation>
    </message>
    <message>
        <source>Formato %1 %2 in %3, Touchstone %4</source>
        <translation>Format %1 %2 in %3, Touchstone %4</translation>
    </message>
</context>
</TS>
