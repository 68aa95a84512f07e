<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<!-- The window's captions, tool tips and accessible names (the window model, src/ui/controlset.cpp), kept
     by hand: lupdate does not see them. A Qt test fails when one of them has no translation here. -->
<context>
    <name>Window</name>
    <message>
        <source>Calcolo di tensione, potenza, corrente, SWR</source>
        <translation>Voltage, power, current and SWR</translation>
    </message>
    <message>
        <source>Impedenza Z misurata</source>
        <translation>Measured impedance Z</translation>
    </message>
    <message>
        <source>R ohm:</source>
        <translation>R ohm:</translation>
    </message>
    <message>
        <source>X ohm:</source>
        <translation>X ohm:</translation>
    </message>
    <message>
        <source>Inserire R ed X misurate al punto di interesse</source>
        <translation>Enter R and X measured at the point of interest</translation>
    </message>
    <message>
        <source>R ohm</source>
        <translation>R ohm</translation>
    </message>
    <message>
        <source>X ohm</source>
        <translation>X ohm</translation>
    </message>
    <message>
        <source>Per ricavare la potenza e la corrente dalla tensione</source>
        <translation>To find the power and the current from the voltage</translation>
    </message>
    <message>
        <source>Vrms</source>
        <translation>Vrms</translation>
    </message>
    <message>
        <source>Vpp</source>
        <translation>Vpp</translation>
    </message>
    <message>
        <source>Vp</source>
        <translation>Vp</translation>
    </message>
    <message>
        <source>Tensione V</source>
        <translation>Voltage V</translation>
    </message>
    <message>
        <source>CALCOLA &amp;POTENZA E CORRENTE</source>
        <translation>CALCULATE &amp;POWER AND CURRENT</translation>
    </message>
    <message>
        <source>Potenza e corrente dalla tensione</source>
        <translation>Power and current from the voltage</translation>
    </message>
    <message>
        <source>Per ricavare la tensione e la corrente dalla potenza</source>
        <translation>To find the voltage and the current from the power</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>dBm</source>
        <translation>dBm</translation>
    </message>
    <message>
        <source>Potenza W o dBm</source>
        <translation>Power W or dBm</translation>
    </message>
    <message>
        <source>CALCOLA &amp;TENSIONE E CORRENTE</source>
        <translation>CALCULATE VOL&amp;TAGE AND CURRENT</translation>
    </message>
    <message>
        <source>Tensione e corrente dalla potenza</source>
        <translation>Voltage and current from the power</translation>
    </message>
    <message>
        <source>Per ricavare la potenza e la tensione dalla corrente</source>
        <translation>To find the power and the voltage from the current</translation>
    </message>
    <message>
        <source>Corrente A:</source>
        <translation>Current A:</translation>
    </message>
    <message>
        <source>Corrente A</source>
        <translation>Current A</translation>
    </message>
    <message>
        <source>C&amp;ALCOLA POTENZA E TENSIONE</source>
        <translation>C&amp;ALCULATE POWER AND VOLTAGE</translation>
    </message>
    <message>
        <source>Potenza e tensione dalla corrente</source>
        <translation>Power and voltage from the current</translation>
    </message>
    <message>
        <source>Dati ausiliari:</source>
        <translation>Auxiliary data:</translation>
    </message>
    <message>
        <source>Impedenza di riferimento Z0</source>
        <translation>Reference impedance Z0</translation>
    </message>
    <message>
        <source>R0 ohm:</source>
        <translation>R0 ohm:</translation>
    </message>
    <message>
        <source>X0 ohm:</source>
        <translation>X0 ohm:</translation>
    </message>
    <message>
        <source>POT. DIR W:</source>
        <translation>FWD PWR W:</translation>
    </message>
    <message>
        <source>R0 ohm</source>
        <translation>R0 ohm</translation>
    </message>
    <message>
        <source>X0 ohm</source>
        <translation>X0 ohm</translation>
    </message>
    <message>
        <source>POT. DIR W</source>
        <translation>Forward power W</translation>
    </message>
    <message>
        <source>CALCOLO &amp;SWR E DATI AUSILIARI</source>
        <translation>CALCULATE &amp;SWR AND AUXILIARY DATA</translation>
    </message>
    <message>
        <source>SWR e dati ausiliari</source>
        <translation>SWR and auxiliary data</translation>
    </message>
    <message>
        <source>Comparazione Input - Output</source>
        <translation>Input - Output comparison</translation>
    </message>
    <message>
        <source>Input Z</source>
        <translation>Input Z</translation>
    </message>
    <message>
        <source>Input Z R ohm</source>
        <translation>Input Z R ohm</translation>
    </message>
    <message>
        <source>Input Z X ohm</source>
        <translation>Input Z X ohm</translation>
    </message>
    <message>
        <source>L'input può essere l'entrata verso l'RTX di un tuner, di un trasformatore, di una linea di trasmissione, di un amplificatore. L'output l'uscita verso l'antenna.</source>
        <translation>The input can be the transceiver side of a tuner, a transformer, a transmission line or an amplifier; the output is the side towards the antenna.</translation>
    </message>
    <message>
        <source>Output Z</source>
        <translation>Output Z</translation>
    </message>
    <message>
        <source>Output Z R ohm</source>
        <translation>Output Z R ohm</translation>
    </message>
    <message>
        <source>Output Z X ohm</source>
        <translation>Output Z X ohm</translation>
    </message>
    <message>
        <source>IN Vrms</source>
        <translation>IN Vrms</translation>
    </message>
    <message>
        <source>IN Vp</source>
        <translation>IN Vp</translation>
    </message>
    <message>
        <source>IN Vpp</source>
        <translation>IN Vpp</translation>
    </message>
    <message>
        <source>Confronto su tensione</source>
        <translation>Compare by voltage</translation>
    </message>
    <message>
        <source>Input V</source>
        <translation>Input V</translation>
    </message>
    <message>
        <source>&amp;COMPARA V</source>
        <translation>&amp;COMPARE V</translation>
    </message>
    <message>
        <source>Output V</source>
        <translation>Output V</translation>
    </message>
    <message>
        <source>OUT Vrms</source>
        <translation>OUT Vrms</translation>
    </message>
    <message>
        <source>OUT Vp</source>
        <translation>OUT Vp</translation>
    </message>
    <message>
        <source>OUT Vpp</source>
        <translation>OUT Vpp</translation>
    </message>
    <message>
        <source>Confronto su corrente</source>
        <translation>Compare by current</translation>
    </message>
    <message>
        <source>Input A:</source>
        <translation>Input A:</translation>
    </message>
    <message>
        <source>Input A</source>
        <translation>Input A</translation>
    </message>
    <message>
        <source>C&amp;OMPARA A</source>
        <translation>C&amp;OMPARE A</translation>
    </message>
    <message>
        <source>Output A:</source>
        <translation>Output A:</translation>
    </message>
    <message>
        <source>Output A</source>
        <translation>Output A</translation>
    </message>
    <message>
        <source>Calcolo delle perdite dell'accordatore d'antenna coi parametri S</source>
        <translation>Antenna tuner loss from the S-parameters</translation>
    </message>
    <message>
        <source>S Ant. parte reale ed immag.</source>
        <translation>S Ant. real and imag. part</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA al cavo proveniente dall’antenna, lasciano la seconda porta vuota. Inserire la parte reale di S11 come S Ant. parte reale.</source>
        <translation>Connect port 1 of the VNA to the cable coming from the antenna, leaving port 2 open. Enter the real part of S11 as S Ant. real part.</translation>
    </message>
    <message>
        <source>S Ant. parte reale</source>
        <translation>S Ant. real part</translation>
    </message>
    <message>
        <source>I:</source>
        <translation>I:</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA al cavo proveniente dall’antenna, lasciando la seconda porta vuota. Inserire la parte immaginaria di S11 come S Ant. parte immaginaria.</source>
        <translation>Connect port 1 of the VNA to the cable coming from the antenna, leaving port 2 open. Enter the imaginary part of S11 as S Ant. imaginary part.</translation>
    </message>
    <message>
        <source>S Ant. parte immaginaria</source>
        <translation>S Ant. imaginary part</translation>
    </message>
    <message>
        <source>S 11 parte reale ed immag.</source>
        <translation>S 11 real and imag. part</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA alla porta RTX del tuner e la seconda porta alla porta ANT del tuner. Leggere l’S11 sul VNA ed inserire la parte reale.</source>
        <translation>Connect port 1 of the VNA to the TRX port of the tuner and port 2 to its ANT port. Read S11 on the VNA and enter its real part.</translation>
    </message>
    <message>
        <source>S 11 parte reale</source>
        <translation>S 11 real part</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA alla porta RTX del tuner e la seconda porta alla porta ANT del tuner. Leggere l’S11 sul VNA ed inserire la parte immaginaria.</source>
        <translation>Connect port 1 of the VNA to the TRX port of the tuner and port 2 to its ANT port. Read S11 on the VNA and enter its imaginary part.</translation>
    </message>
    <message>
        <source>S 11 parte immaginaria</source>
        <translation>S 11 imaginary part</translation>
    </message>
    <message>
        <source>S 21 parte reale ed immag.</source>
        <translation>S 21 real and imag. part</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA alla porta RTX del tuner e la seconda porta alla porta ANT del tuner. Leggere l’S21 sul VNA ed inserire la parte reale.</source>
        <translation>Connect port 1 of the VNA to the TRX port of the tuner and port 2 to its ANT port. Read S21 on the VNA and enter its real part.</translation>
    </message>
    <message>
        <source>S 21 parte reale</source>
        <translation>S 21 real part</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA alla porta RTX del tuner e la seconda porta alla porta ANT del tuner. Leggere l’S21 sul VNA ed inserire la parte immaginaria.</source>
        <translation>Connect port 1 of the VNA to the TRX port of the tuner and port 2 to its ANT port. Read S21 on the VNA and enter its imaginary part.</translation>
    </message>
    <message>
        <source>S 21 parte immaginaria</source>
        <translation>S 21 imaginary part</translation>
    </message>
    <message>
        <source>S 22 parte reale ed immag.</source>
        <translation>S 22 real and imag. part</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA alla porta ANT del tuner e la seconda alla porta RTX del tuner. Leggere l’S11 sul VNA ed inserire la parte reale come S22 parte reale.</source>
        <translation>Connect port 1 of the VNA to the ANT port of the tuner and port 2 to its TRX port. Read S11 on the VNA and enter its real part as S22 real part.</translation>
    </message>
    <message>
        <source>S 22 parte reale</source>
        <translation>S 22 real part</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA alla porta ANT del tuner e la seconda alla porta RTX del tuner. Leggere l’S11 sul VNA ed inserire la parte immaginaria come S22 parte immaginaria.</source>
        <translation>Connect port 1 of the VNA to the ANT port of the tuner and port 2 to its TRX port. Read S11 on the VNA and enter its imaginary part as S22 imaginary part.</translation>
    </message>
    <message>
        <source>S 22 parte immaginaria</source>
        <translation>S 22 imaginary part</translation>
    </message>
    <message>
        <source>S 12 parte reale ed immag.</source>
        <translation>S 12 real and imag. part</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA alla porta ANT del tuner e la seconda alla porta RTX del tuner. Leggere l’S21 sul VNA ed inserire la parte reale come S12 parte reale.</source>
        <translation>Connect port 1 of the VNA to the ANT port of the tuner and port 2 to its TRX port. Read S21 on the VNA and enter its real part as S12 real part.</translation>
    </message>
    <message>
        <source>S 12 parte reale</source>
        <translation>S 12 real part</translation>
    </message>
    <message>
        <source>Connettere la prima porta del VNA alla porta ANT del tuner e la seconda alla porta RTX del tuner. Leggere l’S21 sul VNA ed inserire la parte immaginaria come S12 parte immaginaria.</source>
        <translation>Connect port 1 of the VNA to the ANT port of the tuner and port 2 to its TRX port. Read S21 on the VNA and enter its imaginary part as S12 imaginary part.</translation>
    </message>
    <message>
        <source>S 12 parte immaginaria</source>
        <translation>S 12 imaginary part</translation>
    </message>
    <message>
        <source>CA&amp;LCOLA TUNER INSERTION LOSS</source>
        <translation>CA&amp;LCULATE TUNER INSERTION LOSS</translation>
    </message>
    <message>
        <source>Confronto input-output e perdite dell'accordatore</source>
        <translation>Input-output comparison and tuner loss</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Calcolo di tensione, corrente, potenza, SWR su linee di trasmissione. Freq. max.: 150 MHz</source>
        <translation>Voltage, current, power and SWR along a feed line. Max. freq.: 150 MHz</translation>
    </message>
    <message>
        <source>Direzione dello spostamento</source>
        <translation>Direction of the shift</translation>
    </message>
    <message>
        <source>&lt;--- all' ANT</source>
        <translation>&lt;--- to ANT</translation>
    </message>
    <message>
        <source>all' RTX ---&gt;</source>
        <translation>to TRX ---&gt;</translation>
    </message>
    <message>
        <source>Inserire la resistenza del punto misurato (ohm).</source>
        <translation>Enter the resistance at the measured point (ohm).</translation>
    </message>
    <message>
        <source>Linea R ohm</source>
        <translation>Line R ohm</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Inserire la reattanza del punto misurato (ohm).</source>
        <translation>Enter the reactance at the measured point (ohm).</translation>
    </message>
    <message>
        <source>Linea X ohm</source>
        <translation>Line X ohm</translation>
    </message>
    <message>
        <source>MHz:</source>
        <translation>MHz:</translation>
    </message>
    <message>
        <source>Inserire la frequenza (MHz).</source>
        <translation>Enter the frequency (MHz).</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>watt:</source>
        <translation>watt:</translation>
    </message>
    <message>
        <source>Inserire la potenza del punto misurato (watt).</source>
        <translation>Enter the power at the measured point (watt).</translation>
    </message>
    <message>
        <source>watt</source>
        <translation>watt</translation>
    </message>
    <message>
        <source>RTX Z:</source>
        <translation>TRX Z:</translation>
    </message>
    <message>
        <source>Inserire l'impedenza del ricetrasmettitore (ohm).</source>
        <translation>Enter the impedance of the transceiver (ohm).</translation>
    </message>
    <message>
        <source>RTX Z ohm</source>
        <translation>Transceiver Z ohm</translation>
    </message>
    <message>
        <source>SWR &gt; 25 OPPURE FREQ. &gt; 150 MHZ. RISULTATI NON GARANTITI.</source>
        <translation>SWR &gt; 25 OR FREQ. &gt; 150 MHZ. RESULTS NOT GUARANTEED.</translation>
    </message>
    <message>
        <source>Spostamento e calcolo delle perdite</source>
        <translation>Shift along the line and loss</translation>
    </message>
    <message>
        <source>Numero di cicli lambda/2 cycles:</source>
        <translation>Number of lambda/2 cycles:</translation>
    </message>
    <message>
        <source>Numero di cicli lambda/2</source>
        <translation>Number of lambda/2 cycles</translation>
    </message>
    <message>
        <source>Tratto di linea dello spostamento in metri</source>
        <translation>Length of line of the shift in metres</translation>
    </message>
    <message>
        <source>Lo spostamento in gradi e lambda è elettrico, dove 360 gradi corrispondono ad un lambda o a due giri completi sulla carta di Smith, mentre quello in metri è fisico. Gradi e lambda diventano negativi quando ci si sposta verso l'antenna.</source>
        <translation>The shift in degrees and lambda is electrical, where 360 degrees make one lambda or two full turns on the Smith chart, while the shift in metres is physical. Degrees and lambda turn negative when moving towards the antenna.</translation>
    </message>
    <message>
        <source>SCAMBIO DI POTEN&amp;ZA</source>
        <translation>POWER E&amp;XCHANGE</translation>
    </message>
    <message>
        <source>Spostamento lungo la linea</source>
        <translation>Shift along the line</translation>
    </message>
    <message>
        <source>Cavo</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>Tensione, corrente, potenza, SWR sulla linea</source>
        <translation>Voltage, current, power and SWR on the line</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>dB/100 metri</source>
        <translation>dB/100 m</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Inserire l'impedenza caratteristica della linea (Ohm).</source>
        <translation>Enter the characteristic impedance of the line (ohm).</translation>
    </message>
    <message>
        <source>Z ohm</source>
        <translation>Z ohm</translation>
    </message>
    <message>
        <source>V.F.:</source>
        <translation>V.F.:</translation>
    </message>
    <message>
        <source>Inserire il fattore di velocità della linea.</source>
        <translation>Enter the velocity factor of the line.</translation>
    </message>
    <message>
        <source>V.F.</source>
        <translation>V.F.</translation>
    </message>
    <message>
        <source>Risultato, sola lettura</source>
        <translation>Result, read only</translation>
    </message>
</context>
</TS>
