<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>app::AnalyserDialog</name>
    <message>
        <source>Aggiorna</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Conn&amp;etti</source>
        <translation>Conn&amp;ect</translation>
    </message>
    <message>
        <source>&amp;Porta:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Da MHz:</source>
        <translation>&amp;From MHz:</translation>
    </message>
    <message>
        <source>&amp;A MHz:</source>
        <translation>&amp;To MHz:</translation>
    </message>
    <message>
        <source>P&amp;unti:</source>
        <translation>Poi&amp;nts:</translation>
    </message>
    <message>
        <source>Pa&amp;nnello:</source>
        <translation>P&amp;anel:</translation>
    </message>
    <message>
        <source>&amp;MHz per i campi:</source>
        <translation>&amp;MHz for the fields:</translation>
    </message>
    <message>
        <source>&amp;Singola</source>
        <translation>&amp;Single</translation>
    </message>
    <message>
        <source>&amp;Continua</source>
        <translation>&amp;Continuous</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <source>Sal&amp;va misura...</source>
        <translation>Sa&amp;ve Measurement...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Non connesso.</source>
        <translation>Not connected.</translation>
    </message>
    <message>
        <source>Analizzatore</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Punto: R e X</source>
        <translation>Point: R and X</translation>
    </message>
    <message>
        <source>Linea: R, X e la frequenza</source>
        <translation>Line: R, X and the frequency</translation>
    </message>
    <message>
        <source>Antenna (tuner): S11</source>
        <translation>Antenna (tuner): S11</translation>
    </message>
    <message>
        <source>scansione %v di %m</source>
        <translation>scan %v of %m</translation>
    </message>
    <message>
        <source>Connessione a %1...</source>
        <translation>Connecting to %1...</translation>
    </message>
    <message>
        <source>%1, firmware %2: %3 punti per scansione</source>
        <translation>%1, firmware %2: %3 points per scan</translation>
    </message>
    <message>
        <source>Fermato.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>Fermato: nel pannello resta la misura %1.</source>
        <translation>Stopped: measurement %1 stays in the panel.</translation>
    </message>
    <message>
        <source>Misura %1: %2 punti da %3 a %4</source>
        <translation>Measurement %1: %2 points from %3 to %4</translation>
    </message>
    <message>
        <source>Salva misura</source>
        <translation>Save Measurement</translation>
    </message>
    <message>
        <source>misura.s1p</source>
        <translation>measurement.s1p</translation>
    </message>
    <message>
        <source>&amp;Misura</source>
        <translation>&amp;Measure</translation>
    </message>
    <message>
        <source>Analizzatore...</source>
        <translation>Analyser...</translation>
    </message>
</context>
<context>
    <name>app::BandPlotView</name>
    <message>
        <source>SWR e perdita nella banda</source>
        <translation>SWR and loss across the band</translation>
    </message>
    <message>
        <source>Importare uno sweep a una porta nel pannello della linea per vedere la banda.</source>
        <translation>Import a one-port sweep into the line panel to see the band.</translation>
    </message>
    <message>
        <source>misurato</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>lontano</source>
        <translation>far</translation>
    </message>
    <message>
        <source>Perdita totale (dB) - MHz</source>
        <translation>Total loss (dB) - MHz</translation>
    </message>
    <message>
        <source>perdita</source>
        <translation>loss</translation>
    </message>
</context>
<context>
    <name>app::CableManagerDialog</name>
    <message>
        <source>%1 MHz: %2 dB/100 m (%3 dB/100 ft)</source>
        <translation>%1 MHz: %2 dB/100 m (%3 dB/100 ft)</translation>
    </message>
    <message>
        <source>Perdita adattata:</source>
        <translation>Matched loss:</translation>
    </message>
    <message>
        <source>Cavi</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>I &amp;tuoi cavi:</source>
        <translation>&amp;Your cables:</translation>
    </message>
    <message>
        <source>I tuoi cavi</source>
        <translation>Your cables</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>&amp;Misura da sweep...</source>
        <translation>&amp;Measure from sweep...</translation>
    </message>
    <message>
        <source>&amp;Importa...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>Es&amp;porta...</source>
        <translation>Ex&amp;port...</translation>
    </message>
    <message>
        <source>Aggiunge i cavi di un file di cavi (un cavo con lo stesso nome è sostituito).</source>
        <translation>Adds the cables of a cable file (a cable of the same name is replaced).</translation>
    </message>
    <message>
        <source>Salva i tuoi cavi in un file da condividere.</source>
        <translation>Saves your cables in a file to share.</translation>
    </message>
    <message>
        <source>dB/100 m</source>
        <translation>dB/100 m</translation>
    </message>
    <message>
        <source>dB/100 ft</source>
        <translation>dB/100 ft</translation>
    </message>
    <message>
        <source>N&amp;ome:</source>
        <translation>N&amp;ame:</translation>
    </message>
    <message>
        <source>&amp;Z0 (ohm):</source>
        <translation>&amp;Z0 (ohm):</translation>
    </message>
    <message>
        <source>&amp;V.F.:</source>
        <translation>&amp;V.F.:</translation>
    </message>
    <message>
        <source>Perdite della scheda tecnica in:</source>
        <translation>Datasheet losses in:</translation>
    </message>
    <message>
        <source>Nome del cavo</source>
        <translation>Cable name</translation>
    </message>
    <message>
        <source>Impedenza Z0 (ohm)</source>
        <translation>Impedance Z0 (ohm)</translation>
    </message>
    <message>
        <source>Fattore di velocità</source>
        <translation>Velocity factor</translation>
    </message>
    <message>
        <source>Unità delle perdite</source>
        <translation>Unit of the losses</translation>
    </message>
    <message>
        <source>Punti della scheda tecnica</source>
        <translation>Datasheet points</translation>
    </message>
    <message>
        <source>&amp;Salva cavo</source>
        <translation>&amp;Save cable</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Eliminare il cavo &quot;%1&quot;?</source>
        <translation>Remove the cable "%1"?</translation>
    </message>
    <message>
        <source>Importa cavi</source>
        <translation>Import Cables</translation>
    </message>
    <message>
        <source>File di cavi (*.txt);;Tutti i file (*)</source>
        <translation>Cable files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Esporta cavi</source>
        <translation>Export Cables</translation>
    </message>
    <message>
        <source>cavi.txt</source>
        <translation>cables.txt</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Perdita (%1)</source>
        <translation>Loss (%1)</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>= dB/100 ft</source>
        <translation>= dB/100 ft</translation>
    </message>
    <message>
        <source>Z0 %1 ohm, V.F. %2</source>
        <translation>Z0 %1 ohm, V.F. %2</translation>
    </message>
    <message>
        <source>Misurato: %1 m (%2 ft), estremo %3%4</source>
        <translation>Measured: %1 m (%2 ft), far end %3%4</translation>
    </message>
    <message>
        <source>aperto</source>
        <translation>open</translation>
    </message>
    <message>
        <source>in corto</source>
        <translation>shorted</translation>
    </message>
    <message>
        <source>Perdita dal file dei cavi, senza punti della scheda tecnica.</source>
        <translation>Loss from the cable file, without datasheet points.</translation>
    </message>
    <message>
        <source>K0 = %1, K1 = %2, K2 = %3 (dB/100 ft)</source>
        <translation>K0 = %1, K1 = %2, K2 = %3 (dB/100 ft)</translation>
    </message>
    <message>
        <source>Scarto dalla scheda tecnica: RMS %1 dB/100 m (%2 dB/100 ft), massimo %3 dB/100 m (%4 dB/100 ft)</source>
        <translation>Residual from the datasheet: RMS %1 dB/100 m (%2 dB/100 ft), largest %3 dB/100 m (%4 dB/100 ft)</translation>
    </message>
    <message>
        <source>Con K0 la perdita sarebbe negativa: adattati solo K1 e K2.</source>
        <translation>With K0 the loss would be negative: only K1 and K2 fitted.</translation>
    </message>
    <message>
        <source>Salva cavo</source>
        <translation>Save Cable</translation>
    </message>
    <message>
        <source>Hai già un cavo &quot;%1&quot;: sostituirlo?</source>
        <translation>You already have a cable "%1": replace it?</translation>
    </message>
</context>
<context>
    <name>app::CablesMenu</name>
    <message>
        <source>Cavi</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Gestione cavi...</source>
        <translation>Manage Cables...</translation>
    </message>
    <message>
        <source>Misura da sweep...</source>
        <translation>Measure from Sweep...</translation>
    </message>
</context>
<context>
    <name>app::ChartWindow</name>
    <message>
        <source>Carta di Smith</source>
        <translation>Smith Chart</translation>
    </message>
    <message>
        <source>Lettura al cursore</source>
        <translation>Readout at the cursor</translation>
    </message>
    <message>
        <source>&amp;Rif. (ohm):</source>
        <translation>&amp;Ref. (ohm):</translation>
    </message>
    <message>
        <source>Impedenza di riferimento della carta (ohm)</source>
        <translation>Reference impedance of the chart (ohm)</translation>
    </message>
    <message>
        <source>Griglia &amp;ammettenze</source>
        <translation>&amp;Admittance grid</translation>
    </message>
    <message>
        <source>Cerchi S&amp;WR</source>
        <translation>S&amp;WR circles</translation>
    </message>
    <message>
        <source>&amp;PNG...</source>
        <translation>&amp;PNG...</translation>
    </message>
    <message>
        <source>Esporta la carta come immagine PNG.</source>
        <translation>Export the chart as a PNG image.</translation>
    </message>
    <message>
        <source>S&amp;VG...</source>
        <translation>S&amp;VG...</translation>
    </message>
    <message>
        <source>Esporta la carta come disegno SVG.</source>
        <translation>Export the chart as an SVG drawing.</translation>
    </message>
    <message>
        <source>Ada&amp;ttamento</source>
        <translation>Ma&amp;tching</translation>
    </message>
    <message>
        <source>&amp;Banda</source>
        <translation>&amp;Band</translation>
    </message>
    <message>
        <source>Sa&amp;lva sweep spostato...</source>
        <translation>Sav&amp;e moved sweep...</translation>
    </message>
    <message>
        <source>Salva lo sweep spostato lungo la linea come file Touchstone (.s1p).</source>
        <translation>Save the sweep moved along the line as a Touchstone file (.s1p).</translation>
    </message>
    <message>
        <source>Punto</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Linea: punto lontano</source>
        <translation>Line: far point</translation>
    </message>
    <message>
        <source>Linea: punto misurato</source>
        <translation>Line: measured point</translation>
    </message>
    <message>
        <source>Tuner: antenna</source>
        <translation>Tuner: antenna</translation>
    </message>
    <message>
        <source>Digitata</source>
        <translation>Typed</translation>
    </message>
    <message>
        <source>Sorgente di Z</source>
        <translation>Source of Z</translation>
    </message>
    <message>
        <source>&amp;Z da:</source>
        <translation>&amp;Z from:</translation>
    </message>
    <message>
        <source>Z (ohm):</source>
        <translation>Z (ohm):</translation>
    </message>
    <message>
        <source>R digitata (ohm)</source>
        <translation>Typed R (ohm)</translation>
    </message>
    <message>
        <source>X digitata (ohm)</source>
        <translation>Typed X (ohm)</translation>
    </message>
    <message>
        <source>&amp;MHz:</source>
        <translation>&amp;MHz:</translation>
    </message>
    <message>
        <source>Frequenza (MHz)</source>
        <translation>Frequency (MHz)</translation>
    </message>
    <message>
        <source>dalla l&amp;inea</source>
        <translation>from the l&amp;ine</translation>
    </message>
    <message>
        <source>R&amp;s (ohm):</source>
        <translation>R&amp;s (ohm):</translation>
    </message>
    <message>
        <source>Rs (ohm)</source>
        <translation>Rs (ohm)</translation>
    </message>
    <message>
        <source>Reti L</source>
        <translation>L-networks</translation>
    </message>
    <message>
        <source>Elemento in parallelo dal lato del carico</source>
        <translation>Shunt element on the load side</translation>
    </message>
    <message>
        <source>Elemento in parallelo dal lato della sorgente</source>
        <translation>Shunt element on the source side</translation>
    </message>
    <message>
        <source>Esporta SVG</source>
        <translation>Export SVG</translation>
    </message>
    <message>
        <source>Esporta PNG</source>
        <translation>Export PNG</translation>
    </message>
    <message>
        <source>carta-smith.svg</source>
        <translation>smith-chart.svg</translation>
    </message>
    <message>
        <source>carta-smith.png</source>
        <translation>smith-chart.png</translation>
    </message>
    <message>
        <source>Nessuno sweep nel pannello della linea: importa un file Touchstone (File &gt; Importa misura Touchstone).</source>
        <translation>No sweep in the line panel: import a Touchstone file (File &gt; Import Touchstone Measurement).</translation>
    </message>
    <message>
        <source>M&amp;odello della linea:</source>
        <translation>Line m&amp;odel:</translation>
    </message>
    <message>
        <source>calcolatore</source>
        <translation>calculator</translation>
    </message>
    <message>
        <source>linea fisica</source>
        <translation>physical line</translation>
    </message>
    <message>
        <source>Modello della linea</source>
        <translation>Line model</translation>
    </message>
    <message>
        <source>calcolatore: i punti spostati come li calcola il pannello della linea (la potenza riflessa attenuata dalla perdita totale). linea fisica: le equazioni della linea con perdite (il coefficiente di riflessione attenuato dalla sola perdita in adattamento).</source>
        <translation>calculator: the moved points as the line panel computes them (the reflected power attenuated by the total loss). physical line: the equations of a lossy line (the reflection coefficient attenuated by the matched loss alone).</translation>
    </message>
    <message>
        <source>Modello della linea: %1</source>
        <translation>Line model: %1</translation>
    </message>
    <message>
        <source>Lo sweep importato non vale più: nel pannello della linea sono stati digitati R, X o la frequenza. Importa di nuovo il file per vederne la banda.</source>
        <translation>The imported sweep no longer stands: R, X or the frequency was typed in the line panel. Import the file again to see its band.</translation>
    </message>
    <message>
        <source>Calcola la linea nel suo pannello per vedere la banda dello sweep importato.</source>
        <translation>Compute the line in its panel to see the band of the imported sweep.</translation>
    </message>
    <message>
        <source>Linea: %1 m (%2 ft) dal punto misurato al punto lontano</source>
        <translation>Line: %1 m (%2 ft) from the measured point to the far point</translation>
    </message>
    <message>
        <source>Lunghezza della linea</source>
        <translation>Length of the line</translation>
    </message>
</context>
<context>
    <name>app::GuideWindow</name>
    <message>
        <source>&amp;Trova:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>Guida di HamLineCalc</source>
        <translation>HamLineCalc Guide</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Il punto precedente in cui compare il testo (Maiusc+F3, Maiusc+Invio)</source>
        <translation>The previous place the text stands (Shift+F3, Shift+Enter)</translation>
    </message>
    <message>
        <source>Successivo</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Il punto successivo in cui compare il testo (F3, Invio)</source>
        <translation>The next place the text stands (F3, Enter)</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Chiude la ricerca (Esc)</source>
        <translation>Closes the search (Esc)</translation>
    </message>
    <message>
        <source>Non trovato</source>
        <translation>Not found</translation>
    </message>
</context>
<context>
    <name>app::Help</name>
    <message>
        <source>Guida</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Informazioni su HamLineCalc</source>
        <translation>About HamLineCalc</translation>
    </message>
    <message>
        <source>Calcolatore di SWR, linee di alimentazione e accordatori d&apos;antenna per radioamatori.</source>
        <translation>SWR, feed line and antenna tuner calculator for radio amateurs.</translation>
    </message>
    <message>
        <source>Software libero: GNU General Public License, versione 3 o successiva (GPL-3.0-or-later). Nessuna garanzia.</source>
        <translation>Free software: GNU General Public License, version 3 or later (GPL-3.0-or-later). No warranty.</translation>
    </message>
    <message>
        <source>La guida:</source>
        <translation>The guide:</translation>
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
    <name>app::MeasureDialog</name>
    <message>
        <source>Dall&apos;anali&amp;zzatore</source>
        <translation>From the anal&amp;yser</translation>
    </message>
    <message>
        <source>L&apos;ultimo sweep finito dell&apos;analizzatore (Misura &gt; Analizzatore...)</source>
        <translation>The analyser's last finished sweep (Measure &gt; Analyser...)</translation>
    </message>
    <message>
        <source>(sweep dell&apos;analizzatore, %1 punti)</source>
        <translation>(the analyser's sweep, %1 points)</translation>
    </message>
    <message>
        <source>Misura da sweep</source>
        <translation>Measure from Sweep</translation>
    </message>
    <message>
        <source>Uno sweep a una porta dell&apos;ingresso del cavo, con l&apos;altro estremo aperto o in corto, e la lunghezza fisica del cavo. Lo sweep deve mostrare almeno due risonanze.</source>
        <translation>A one-port sweep of the cable's input, with its other end open or shorted, and the cable's physical length. The sweep must show at least two resonances.</translation>
    </message>
    <message>
        <source>File dello sweep</source>
        <translation>Sweep file</translation>
    </message>
    <message>
        <source>Sf&amp;oglia...</source>
        <translation>Br&amp;owse...</translation>
    </message>
    <message>
        <source>&amp;File Touchstone:</source>
        <translation>Touchstone &amp;file:</translation>
    </message>
    <message>
        <source>Lunghezza del cavo</source>
        <translation>Cable length</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>Unità della lunghezza</source>
        <translation>Unit of the length</translation>
    </message>
    <message>
        <source>&amp;Lunghezza:</source>
        <translation>&amp;Length:</translation>
    </message>
    <message>
        <source>&amp;aperto</source>
        <translation>&amp;open</translation>
    </message>
    <message>
        <source>in &amp;corto</source>
        <translation>&amp;shorted</translation>
    </message>
    <message>
        <source>Altro estremo:</source>
        <translation>Other end:</translation>
    </message>
    <message>
        <source>&amp;Misura</source>
        <translation>&amp;Measure</translation>
    </message>
    <message>
        <source>Nome del cavo</source>
        <translation>Cable name</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Salva cavo</source>
        <translation>&amp;Save cable</translation>
    </message>
    <message>
        <source>Sweep del cavo</source>
        <translation>Sweep of the Cable</translation>
    </message>
    <message>
        <source>File Touchstone (*.s1p *.S1P);;Tutti i file (*)</source>
        <translation>Touchstone files (*.s1p *.S1P);;All files (*)</translation>
    </message>
    <message>
        <source>= %1 m</source>
        <translation>= %1 m</translation>
    </message>
    <message>
        <source>= %1 ft</source>
        <translation>= %1 ft</translation>
    </message>
    <message>
        <source>Z0 = %1 ohm, V.F. = %2, K1 = %3, K2 = %4 (dB/100 ft; K0 = 0)</source>
        <translation>Z0 = %1 ohm, V.F. = %2, K1 = %3, K2 = %4 (dB/100 ft; K0 = 0)</translation>
    </message>
    <message>
        <source>%1 MHz %2 dB/100 m (%3 dB/100 ft)</source>
        <translation>%1 MHz %2 dB/100 m (%3 dB/100 ft)</translation>
    </message>
    <message>
        <source>Perdita adattata: %1</source>
        <translation>Matched loss: %1</translation>
    </message>
    <message>
        <source>%1 risonanze; scarto dal modello del coefficiente di riflessione: RMS %2, massimo %3</source>
        <translation>%1 resonances; residual of the reflection coefficient from the model: RMS %2, largest %3</translation>
    </message>
    <message>
        <source>Salva cavo</source>
        <translation>Save Cable</translation>
    </message>
    <message>
        <source>Hai già un cavo &quot;%1&quot;: sostituirlo?</source>
        <translation>You already have a cable "%1": replace it?</translation>
    </message>
</context>
<context>
    <name>app::QtPorts</name>
    <message>
        <source>Guida</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Il desktop non ha potuto aprire l&apos;indirizzo della guida:</source>
        <translation>The desktop could not open the address of the guide:</translation>
    </message>
    <message>
        <source>Apri la guida integrata</source>
        <translation>Open the built-in guide</translation>
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
    <message>
        <source>Salva sweep spostato</source>
        <translation>Save Moved Sweep</translation>
    </message>
    <message>
        <source>spostato.s1p</source>
        <translation>moved.s1p</translation>
    </message>
    <message>
        <source>Lo sweep non vale più (sono stati digitati nuovi valori nel pannello della linea): nulla è stato salvato.</source>
        <translation>The sweep no longer stands (new values were typed in the line panel): nothing was saved.</translation>
    </message>
</context>
<context>
    <name>app::SmithChartView</name>
    <message>
        <source>Punto</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Linea: punto misurato</source>
        <translation>Line: measured point</translation>
    </message>
    <message>
        <source>Linea: punto lontano</source>
        <translation>Line: far point</translation>
    </message>
    <message>
        <source>Tuner: antenna</source>
        <translation>Tuner: antenna</translation>
    </message>
    <message>
        <source>Tuner: ingresso RTX</source>
        <translation>Tuner: TRX input</translation>
    </message>
    <message>
        <source>Carta di Smith</source>
        <translation>Smith Chart</translation>
    </message>
    <message>
        <source>(Rif. %1 ohm)</source>
        <translation>(Ref. %1 ohm)</translation>
    </message>
    <message>
        <source>Sweep misurato</source>
        <translation>Measured sweep</translation>
    </message>
    <message>
        <source>Sweep spostato</source>
        <translation>Moved sweep</translation>
    </message>
    <message>
        <source>Adattamento</source>
        <translation>Matching</translation>
    </message>
    <message>
        <source>Modello della linea: %1</source>
        <translation>Line model: %1</translation>
    </message>
</context>
<context>
    <name>app::SweepPlot</name>
    <message>
        <source>Sweep e modello</source>
        <translation>Sweep and model</translation>
    </message>
    <message>
        <source>Nessuna misura</source>
        <translation>No measurement</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>Re S11 misurato</source>
        <translation>measured Re S11</translation>
    </message>
    <message>
        <source>Im S11 misurato</source>
        <translation>measured Im S11</translation>
    </message>
    <message>
        <source>modello (tratteggiato)</source>
        <translation>model (dashed)</translation>
    </message>
</context>
<context>
    <name>app::TouchstoneImport</name>
    <message>
        <source>Importa misura Touchstone...</source>
        <translation>Import Touchstone Measurement...</translation>
    </message>
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
    <message>
        <source>%1 MHz è oltre il campo dei dati dei cavi (fino a %2 MHz): i risultati della linea non sono garantiti.</source>
        <translation>%1 MHz is beyond the range of the cable data (up to %2 MHz): the line&apos;s results are not guaranteed.</translation>
    </message>
</context>
</TS>
