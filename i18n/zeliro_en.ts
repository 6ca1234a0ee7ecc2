<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>PrintChoices</name>
    <message>
        <source>ZELIRO - Stampa</source>
        <translation>ZELIRO - Print</translation>
    </message>
    <message>
        <source>Stampe non riuscite finora: %1.</source>
        <translation>Prints that failed so far: %1.</translation>
    </message>
    <message>
        <source>Messaggio del sistema di stampa: %1</source>
        <translation>The print system&apos;s own message: %1</translation>
    </message>
    <message>
        <source>ZELIRO - Anteprima di stampa</source>
        <translation>ZELIRO - Print preview</translation>
    </message>
    <message>
        <source>Salva come PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>predefinita</source>
        <translation>default</translation>
    </message>
    <message>
        <source>Non è stata scelta una stampante predefinita: non è stato stampato nulla.

Scegliete una stampante predefinita nelle impostazioni del sistema, oppure salvate la stampa come PDF.</source>
        <translation>No default printer has been chosen: nothing was printed.

Choose a default printer in the system settings, or save the printout as PDF.</translation>
    </message>
    <message>
        <source>Il sistema di stampa non risponde: non è stato stampato nulla.</source>
        <translation>The print system does not answer: nothing was printed.</translation>
    </message>
    <message>
        <source>La stampante %1 non accetta lavori (è ferma o rifiuta le stampe): non è stato stampato nulla.</source>
        <translation>The printer %1 does not accept jobs (it is stopped or rejecting them): nothing was printed.</translation>
    </message>
    <message>
        <source>La stampa sulla stampante %1 non è stata completata.</source>
        <translation>Printing on the printer %1 was not completed.</translation>
    </message>
    <message>
        <source>Salva come PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Anteprima</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>I risultati sullo schermo non vengono dai dati ora inseriti.

Premete &quot;CALCOLA&quot; e poi stampate di nuovo: non è stato stampato nulla.</source>
        <translation>The results on the screen do not come from the data now entered.

Press &quot;CALCULATE&quot; and print again: nothing was printed.</translation>
    </message>
    <message>
        <source>Impossibile scrivere nella cartella «%1».</source>
        <translation>Cannot write in the folder “%1”.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file «%1»: il disco è pieno o la cartella non accetta scritture.</source>
        <translation>Cannot write the file “%1”: the disk is full or the folder does not accept writing.</translation>
    </message>
    <message>
        <source>L&apos;anteprima di stampa non si può mostrare: il suo modulo (libzeliro_preview.so) non si carica.

Potete comunque stampare o salvare come PDF.</source>
        <translation>The print preview cannot be shown: its module (libzeliro_preview.so) does not load.

You can still print or save as PDF.</translation>
    </message>
    <message>
        <source>Messaggio del caricatore: %1</source>
        <translation>The loader&apos;s own message: %1</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>zeliro</name>
    <message>
        <source>Il modulo di verifica (libzeliro_verify.so) non è installato.</source>
        <translation>The check module (libzeliro_verify.so) is not installed.</translation>
    </message>
</context>
<context>
    <name>zeliro::CalculationWindow</name>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Stampa videata</source>
        <translation>Print window</translation>
    </message>
    <message>
        <source>Stampa solo i dati</source>
        <translation>Print data only</translation>
    </message>
    <message>
        <source>Anteprima di stampa della videata…</source>
        <translation>Print preview of the window…</translation>
    </message>
    <message>
        <source>Anteprima di stampa dei dati…</source>
        <translation>Print preview of the data…</translation>
    </message>
    <message>
        <source>Salva la videata come PDF…</source>
        <translation>Save the window as PDF…</translation>
    </message>
    <message>
        <source>Salva i dati come PDF…</source>
        <translation>Save the data as PDF…</translation>
    </message>
    <message>
        <source>Calcolatrice</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Leggimi</source>
        <translation>Read me</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Stampa inviata alla stampante «%1».</source>
        <translation>Print sent to the printer “%1”.</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Risultato non aggiornato: i dati sono cambiati, premere CALCOLA</source>
        <translation>Result out of date: the data have changed, press CALCULATE</translation>
    </message>
</context>
<context>
    <name>zeliro::Calculator</name>
    <message>
        <source>Calcolatrice</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Impossibile dividere per zero</source>
        <translation>Cannot divide by zero</translation>
    </message>
</context>
<context>
    <name>zeliro::HeightPage</name>
    <message>
        <source>Studio dell&apos;altezza</source>
        <translation>Height study</translation>
    </message>
    <message>
        <source>GUADAGNO E ANGOLO DI PARTENZA SECONDO L&apos;ALTEZZA, A %1 MHz</source>
        <translation>PEAK GAIN AND TAKE-OFF ANGLE BY HEIGHT, AT %1 MHz</translation>
    </message>
    <message>
        <source>Premere «ALTEZZA IDEALE?» nella pagina del diagramma.</source>
        <translation>Press «BEST HEIGHT?» on the pattern page.</translation>
    </message>
</context>
<context>
    <name>zeliro::PatternPage</name>
    <message>
        <source>GUADAGNO</source>
        <translation>GAIN</translation>
    </message>
    <message>
        <source>Guadagno massimo %1</source>
        <translation>Peak gain %1</translation>
    </message>
    <message>
        <source>ANGOLO</source>
        <translation>TAKE-OFF</translation>
    </message>
    <message>
        <source>Angolo di partenza %1</source>
        <translation>Take-off angle %1</translation>
    </message>
    <message>
        <source>APERTURA -3 dB</source>
        <translation>-3 dB WIDTH</translation>
    </message>
    <message>
        <source>Apertura a -3 dB %1</source>
        <translation>-3 dB beamwidth %1</translation>
    </message>
    <message>
        <source>ALTEZZA IDEALE?</source>
        <translation>BEST HEIGHT?</translation>
    </message>
    <message>
        <source>Guadagno e angolo di partenza ad altezze da 1/8 a 1 lunghezza d&apos;onda</source>
        <translation>Peak gain and take-off angle at heights from 1/8 to 1 wavelength</translation>
    </message>
    <message>
        <source>Salva CSV</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>Salva il diagramma in CSV</source>
        <translation>Save the pattern as CSV</translation>
    </message>
    <message>
        <source>AZIMUT</source>
        <translation>AZIMUTH</translation>
    </message>
    <message>
        <source>PIANO H</source>
        <translation>H PLANE</translation>
    </message>
    <message>
        <source>ELEVAZIONE</source>
        <translation>ELEVATION</translation>
    </message>
    <message>
        <source>PIANO E</source>
        <translation>E PLANE</translation>
    </message>
    <message>
        <source>Diagramma verticale</source>
        <translation>Vertical pattern</translation>
    </message>
    <message>
        <source>Diagramma orizzontale</source>
        <translation>Horizontal pattern</translation>
    </message>
    <message>
        <source>AZIMUT A %1°</source>
        <translation>AZIMUTH AT %1°</translation>
    </message>
    <message>
        <source> e </source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>zeliro::SmithChart</name>
    <message>
        <source>Carta di Smith</source>
        <translation>Smith chart</translation>
    </message>
    <message>
        <source>Normalizzata a %1 Ω</source>
        <translation>Normalised to %1 Ω</translation>
    </message>
    <message>
        <source>frequenza di progetto</source>
        <translation>design frequency</translation>
    </message>
    <message>
        <source>risonanza</source>
        <translation>resonance</translation>
    </message>
</context>
<context>
    <name>zeliro::SmithPage</name>
    <message>
        <source>progetto</source>
        <translation>design</translation>
    </message>
    <message>
        <source>corretto</source>
        <translation>corrected</translation>
    </message>
    <message>
        <source>modello</source>
        <translation>model</translation>
    </message>
    <message>
        <source>misura</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>Resistenza e reattanza %1</source>
        <translation>Resistance and reactance %1</translation>
    </message>
</context>
<context>
    <name>zeliro::SwrPlot</name>
    <message>
        <source>modello</source>
        <translation>model</translation>
    </message>
    <message>
        <source>misura</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>progetto</source>
        <translation>design</translation>
    </message>
    <message>
        <source>corretto</source>
        <translation>corrected</translation>
    </message>
    <message>
        <source>alla radio</source>
        <translation>at the radio</translation>
    </message>
</context>
<context>
    <name>zeliro::VerificationSession</name>
    <message>
        <source>Il valore di &quot;%1&quot; non è un numero.</source>
        <translation>The value of &quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <source>Il fattore Q deve essere maggiore di zero (vuoto vale %1).</source>
        <translation>The Q factor must be greater than zero (empty means %1).</translation>
    </message>
    <message>
        <source>I punti per banda devono essere un numero intero da 2 a 1000.</source>
        <translation>The points per band must be a whole number from 2 to 1000.</translation>
    </message>
    <message>
        <source>L&apos;impedenza di riferimento deve essere maggiore di zero.</source>
        <translation>The reference impedance must be greater than zero.</translation>
    </message>
    <message>
        <source>DIAMETRO  FILO  mm</source>
        <translation>WIRE  DIAMETER  mm</translation>
    </message>
    <message>
        <source>ALTEZZA  mt</source>
        <translation>HEIGHT  m</translation>
    </message>
    <message>
        <source>ANGOLO  APICE  gradi</source>
        <translation>APEX  ANGLE  degrees</translation>
    </message>
    <message>
        <source>FATTORE  Q</source>
        <translation>Q  FACTOR</translation>
    </message>
    <message>
        <source>IMPEDENZA  RIF.  ohm</source>
        <translation>REF.  IMPEDANCE  ohm</translation>
    </message>
    <message>
        <source>PUNTI  PER  BANDA</source>
        <translation>POINTS  PER  BAND</translation>
    </message>
    <message>
        <source>errore di scrittura</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Le opzioni sono cambiate: i risultati non valgono più, premere SIMULA.</source>
        <translation>The options have changed: the results no longer apply, press SIMULATE.</translation>
    </message>
    <message>
        <source>Il cavo &quot;%1&quot; non è nell&apos;elenco.</source>
        <translation>The cable &quot;%1&quot; is not in the list.</translation>
    </message>
    <message>
        <source>ISOLAMENTO mm</source>
        <translation>INSULATION mm</translation>
    </message>
    <message>
        <source>PERMITTIVITÀ</source>
        <translation>PERMITTIVITY</translation>
    </message>
    <message>
        <source>EPSILON SUOLO</source>
        <translation>SOIL EPSILON</translation>
    </message>
    <message>
        <source>SIGMA SUOLO S/m</source>
        <translation>SOIL SIGMA S/m</translation>
    </message>
    <message>
        <source>CAVO</source>
        <translation>CABLE</translation>
    </message>
    <message>
        <source>LUNGHEZZA CAVO m</source>
        <translation>CABLE LENGTH m</translation>
    </message>
    <message>
        <source>IMPEDENZA CAVO ohm</source>
        <translation>CABLE IMPEDANCE ohm</translation>
    </message>
    <message>
        <source>FATTORE VELOCITÀ</source>
        <translation>VELOCITY FACTOR</translation>
    </message>
    <message>
        <source>PERDITA dB/100m 10 MHz</source>
        <translation>LOSS dB/100m 10 MHz</translation>
    </message>
    <message>
        <source>AMPIEZZA ± %</source>
        <translation>SPAN ± %</translation>
    </message>
    <message>
        <source>CENTRO MHz</source>
        <translation>CENTRE MHz</translation>
    </message>
</context>
<context>
    <name>zeliro::frmANALIZZATORE</name>
    <message>
        <source>ANALIZZATORE</source>
        <translation>ANALYSER</translation>
    </message>
    <message>
        <source>INIZIO  MHz</source>
        <translation>START  MHz</translation>
    </message>
    <message>
        <source>FINE  MHz</source>
        <translation>STOP  MHz</translation>
    </message>
    <message>
        <source>PUNTI</source>
        <translation>POINTS</translation>
    </message>
    <message>
        <source>MISURA</source>
        <translation>MEASURE</translation>
    </message>
    <message>
        <source>ANNULLA</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>PORTA</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>Scrivere l&apos;inizio e la fine della scansione in MHz.</source>
        <translation>Type the start and the stop of the sweep in MHz.</translation>
    </message>
    <message>
        <source>La fine della scansione deve superarne l&apos;inizio.</source>
        <translation>The stop of the sweep must be above its start.</translation>
    </message>
    <message>
        <source>I punti vanno da 2 a 10000, al più uno per hertz.</source>
        <translation>Points go from 2 to 10000, at most one per hertz.</translation>
    </message>
    <message>
        <source>Misura in corso...</source>
        <translation>Measuring...</translation>
    </message>
    <message>
        <source>Scegliere o scrivere la porta dell&apos;analizzatore.</source>
        <translation>Choose or type the analyser&apos;s port.</translation>
    </message>
    <message>
        <source>La porta %1 non esiste: l&apos;analizzatore è collegato?</source>
        <translation>The port %1 does not exist: is the analyser connected?</translation>
    </message>
    <message>
        <source>La porta %1 è occupata da un altro programma o non è permessa: su Debian l&apos;utente deve essere nel gruppo dialout.</source>
        <translation>The port %1 is in use by another program or not allowed: on Debian the user must be in the dialout group.</translation>
    </message>
    <message>
        <source>La porta %1 non si apre (messaggio del sistema: %2).</source>
        <translation>The port %1 does not open (system message: %2).</translation>
    </message>
    <message>
        <source>L&apos;analizzatore su %1 non risponde entro %2 s.</source>
        <translation>The analyser on %1 does not answer within %2 s.</translation>
    </message>
    <message>
        <source>Il dispositivo su %1 non risponde come un analizzatore NanoVNA.</source>
        <translation>The device on %1 does not answer as a NanoVNA analyser does.</translation>
    </message>
    <message>
        <source>L&apos;analizzatore ha dato meno punti di quelli chiesti.</source>
        <translation>The analyser gave fewer points than asked.</translation>
    </message>
    <message>
        <source>Misura non valida: %1</source>
        <translation>Measurement not valid: %1</translation>
    </message>
    <message>
        <source>L&apos;analizzatore si è scollegato durante la misura.</source>
        <translation>The analyser was disconnected during the measurement.</translation>
    </message>
    <message>
        <source>%1: misura in corso...</source>
        <translation>%1: measuring...</translation>
    </message>
    <message>
        <source>L&apos;analizzatore su %1 non ha finito la scansione in tempo: provare una banda IF più larga o meno punti.</source>
        <translation>The analyser on %1 did not finish its scan in time: try a wider IF bandwidth or fewer points.</translation>
    </message>
    <message>
        <source>Su %1 c&apos;è un analizzatore di spettro (%2), non un VNA: non misura il ROS.</source>
        <translation>On %1 there is a spectrum analyser (%2), not a VNA: it does not measure SWR.</translation>
    </message>
    <message>
        <source>L&apos;analizzatore ha misurato frequenze diverse da quelle chieste: la scansione è fuori dalla sua gamma?</source>
        <translation>The analyser measured other frequencies than those asked: is the sweep outside its range?</translation>
    </message>
    <message>
        <source>L&apos;analizzatore non sa misurare oltre 4294 MHz.</source>
        <translation>The analyser cannot measure above 4294 MHz.</translation>
    </message>
    <message>
        <source>CALIBRA...</source>
        <translation>CALIBRATE...</translation>
    </message>
    <message>
        <source>Calibrazione salvata: ora MISURA.</source>
        <translation>Calibration saved: now MEASURE.</translation>
    </message>
    <message>
        <source> Salvata il %1: da %2 a %3 MHz.</source>
        <translation> Saved on %1: from %2 to %3 MHz.</translation>
    </message>
    <message>
        <source>Nessuna calibrazione del NanoVNA V2 su %1 copre la scansione: CALIBRA... con OPEN, SHORT e LOAD.%2</source>
        <translation>No calibration of the NanoVNA V2 on %1 covers the sweep: CALIBRATE... with OPEN, SHORT and LOAD.%2</translation>
    </message>
</context>
<context>
    <name>zeliro::frmCALCOLOBOBINA</name>
    <message>
        <source>CALCOLO   BOBINA</source>
        <translation>LOADING   COIL</translation>
    </message>
    <message>
        <source>BOBINE   PER   DIPOLI   ACCORCIATI</source>
        <translation>COILS   FOR   SHORTENED   DIPOLES</translation>
    </message>
    <message>
        <source>QUESTO  DIPOLO  NON  NECESSITA  DI  BOBINE</source>
        <translation>THIS  DIPOLE  NEEDS  NO  LOADING  COILS</translation>
    </message>
    <message>
        <source>BOBINA  TROPPO  DISTANTE  DAL  CENTRALE</source>
        <translation>COIL  TOO  FAR  FROM  THE  FEED  POINT</translation>
    </message>
    <message>
        <source>CENTRALE</source>
        <translation>FEED POINT</translation>
    </message>
    <message>
        <source>DISTANZA DAL CENTRALE</source>
        <translation>DISTANCE FROM FEED POINT</translation>
    </message>
    <message>
        <source>LUNGHEZZA TOTALE  metri</source>
        <translation>TOTAL LENGTH  metres</translation>
    </message>
    <message>
        <source>Input diametro filo in millimetri</source>
        <translation>Enter the wire diameter in millimetres</translation>
    </message>
    <message>
        <source>DIAMETRO  FILO  DIPOLO  mm</source>
        <translation>DIPOLE  WIRE  DIAMETER  mm</translation>
    </message>
    <message>
        <source>Input frequenza in Megaherz</source>
        <translation>Enter the frequency in megahertz</translation>
    </message>
    <message>
        <source>FREQUENZA</source>
        <translation>FREQUENCY</translation>
    </message>
    <message>
        <source>Input metri totali a disposizione per il dipolo</source>
        <translation>Enter the total metres available for the dipole</translation>
    </message>
    <message>
        <source>LUNGHEZZA TOTALE</source>
        <translation>TOTAL LENGTH</translation>
    </message>
    <message>
        <source>mt</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Input metri di filo che separano il centrale dalla bobina</source>
        <translation>Enter the metres of wire between the feed point and the coil</translation>
    </message>
    <message>
        <source>DISTANZA DAL CENTRALE  mt</source>
        <translation>DIST. FROM FEED POINT  m</translation>
    </message>
    <message>
        <source>Separare  i  MHz dai KHz</source>
        <translation>Separate  MHz from kHz</translation>
    </message>
    <message>
        <source>con la  virgola</source>
        <translation>with a  point</translation>
    </message>
    <message>
        <source>Visualizza il valore della bobina</source>
        <translation>Shows the value of the coil</translation>
    </message>
    <message>
        <source>VALORE  IN  MICROHENRY</source>
        <translation>VALUE  IN  MICROHENRY</translation>
    </message>
    <message>
        <source>Per selezionare usa TAB o il MOUSE</source>
        <translation>To select use TAB or the MOUSE</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>Completate le caselle di input,calcola i microhenry</source>
        <translation>With the input boxes filled in, calculates the microhenry</translation>
    </message>
    <message>
        <source>COSTRUZIONE BOBINA  </source>
        <translation>COIL CONSTRUCTION  </translation>
    </message>
    <message>
        <source>Passa al programma COSRUZIONE BOBINA</source>
        <translation>Goes to the COIL CONSTRUCTION program</translation>
    </message>
    <message>
        <source>MENU&apos;</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>Torna al menù iniziale</source>
        <translation>Back to the main menu</translation>
    </message>
    <message>
        <source>RESETTA</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Cancella tutte le input &amp; output</source>
        <translation>Clears all input &amp; output</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>CALCOLO  BOBINA</source>
        <translation>LOADING  COIL</translation>
    </message>
</context>
<context>
    <name>zeliro::frmCALIBRAZIONE</name>
    <message>
        <source>CALIBRAZIONE</source>
        <translation>CALIBRATION</translation>
    </message>
    <message>
        <source>%1, da %2 a %3 MHz, %4 punti.</source>
        <translation>%1, from %2 to %3 MHz, %4 points.</translation>
    </message>
    <message>
        <source>Collegare ogni campione dove va l&apos;antenna e premerne il pulsante.</source>
        <translation>Connect each standard where the antenna goes and press its button.</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OPEN</translation>
    </message>
    <message>
        <source>SHORT</source>
        <translation>SHORT</translation>
    </message>
    <message>
        <source>LOAD  50 Ω</source>
        <translation>LOAD  50 Ω</translation>
    </message>
    <message>
        <source>da misurare</source>
        <translation>to be measured</translation>
    </message>
    <message>
        <source>SALVA</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>ANNULLA</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Il dispositivo su %1 non è un NanoVNA V2: si calibra sul dispositivo stesso.</source>
        <translation>The device on %1 is no NanoVNA V2: calibrate it on the device itself.</translation>
    </message>
    <message>
        <source>misura in corso...</source>
        <translation>measuring...</translation>
    </message>
    <message>
        <source>misurato</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>OPEN e SHORT danno la stessa lettura: i campioni erano collegati? Misurarli di nuovo.</source>
        <translation>OPEN and SHORT read the same: were the standards connected? Measure them again.</translation>
    </message>
</context>
<context>
    <name>zeliro::frmCOSTRUZIONEBOBINA</name>
    <message>
        <source>COSTRUZIONE  BOBINA</source>
        <translation>COIL  CONSTRUCTION</translation>
    </message>
    <message>
        <source>COSTRUZIONE    DELLA   BOBINA</source>
        <translation>COIL    CONSTRUCTION</translation>
    </message>
    <message>
        <source>LUNGHEZZA  AVVOLGIMENTO ERRATA</source>
        <translation>WRONG  WINDING  LENGTH</translation>
    </message>
    <message>
        <source>BOBINA  SEZIONATA</source>
        <translation>COIL  CUTAWAY</translation>
    </message>
    <message>
        <source>RAGGIO   MEDIO</source>
        <translation>MEAN   RADIUS</translation>
    </message>
    <message>
        <source>LUNGHEZZA AVVOLGIMENTO</source>
        <translation>WINDING LENGTH</translation>
    </message>
    <message>
        <source>Dal centro supporto al centro del filo</source>
        <translation>From the centre of the former to the centre of the wire</translation>
    </message>
    <message>
        <source>Input diametro del filo usato per le spire</source>
        <translation>Enter the diameter of the wire used for the turns</translation>
    </message>
    <message>
        <source>DIAMETRO  FILO</source>
        <translation>WIRE  DIAMETER</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Input spire totali avvolte sul supporto</source>
        <translation>Enter the total turns wound on the former</translation>
    </message>
    <message>
        <source>NUMERO   SPIRE</source>
        <translation>NUMBER  OF  TURNS</translation>
    </message>
    <message>
        <source>Input lunghezza totale delle  spire avvolte</source>
        <translation>Enter the total length of the  wound turns</translation>
    </message>
    <message>
        <source>LUNG.  AVVOLGIMENTO    (B) mm</source>
        <translation>WINDING  LENGTH    (B) mm</translation>
    </message>
    <message>
        <source>Input dal centro bobina al centro del filo</source>
        <translation>Enter from the centre of the coil to the centre of the wire</translation>
    </message>
    <message>
        <source>RAGGIO  MEDIO</source>
        <translation>MEAN  RADIUS</translation>
    </message>
    <message>
        <source>(A) mm</source>
        <translation>(A) mm</translation>
    </message>
    <message>
        <source>Separare  le decine dalle unità</source>
        <translation>Separate  the decimals</translation>
    </message>
    <message>
        <source>con  la  virgola</source>
        <translation>with  a  point</translation>
    </message>
    <message>
        <source>Visualizza il valore della bobina</source>
        <translation>Shows the value of the coil</translation>
    </message>
    <message>
        <source>VALORE    MICROHENRY</source>
        <translation>VALUE    MICROHENRY</translation>
    </message>
    <message>
        <source>Per un buon rendimento, occorre che la lunghezza dell&apos;avvolgimento sia all&apos;incirca uguale al diametro</source>
        <translation>For good efficiency, the winding length should be about equal to the diameter</translation>
    </message>
    <message>
        <source>Per selezionare usa TAB o il MOUSE</source>
        <translation>To select use TAB or the MOUSE</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>Completate le caselle di input,calcola il valore della bobina</source>
        <translation>With the input boxes filled in, calculates the value of the coil</translation>
    </message>
    <message>
        <source>RESETTA</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Cancella tutte le input &amp; output</source>
        <translation>Clears all input &amp; output</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Ritorna al programma CALCOLO BOBINA</source>
        <translation>Back to the LOADING COIL program</translation>
    </message>
</context>
<context>
    <name>zeliro::frmDIPOLOMULTIBANDA</name>
    <message>
        <source>DIPOLO   BIBANDA</source>
        <translation>TWO-BAND   DIPOLE</translation>
    </message>
    <message>
        <source>DIPOLO  MULTIBANDA  CON  TRAPPOLE  IN  CAVO  COASSIALE</source>
        <translation>MULTIBAND  DIPOLE  WITH  COAXIAL  CABLE  TRAPS</translation>
    </message>
    <message>
        <source>Per selezionare usa TAB o il  MOUSE</source>
        <translation>To select use TAB or the  MOUSE</translation>
    </message>
    <message>
        <source>Separare  i  MHz  dai  KHz  con  la  virgola</source>
        <translation>Separate  MHz  from  kHz  with  a  point</translation>
    </message>
    <message>
        <source>Per un buon rendimento  occorre che le bobine abbiano un rapporto tra lunghezza e diametro bobina di 0,4   0,5.</source>
        <translation>For good efficiency  the coils should have a length to diameter ratio of 0.4 to 0.5.</translation>
    </message>
    <message>
        <source>Coassiale</source>
        <translation>Coax</translation>
    </message>
    <message>
        <source>Modalità  Manuale</source>
        <translation>Manual  entry</translation>
    </message>
    <message>
        <source>Dipolo</source>
        <translation>Dipole</translation>
    </message>
    <message>
        <source>orizzontale</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>Inverted  V</source>
        <translation>Inverted  V</translation>
    </message>
    <message>
        <source>Tipo di coassiale RG</source>
        <translation>RG coax type</translation>
    </message>
    <message>
        <source>inserisci solo il numero (senza scritta RG)</source>
        <translation>enter only the number (without RG)</translation>
    </message>
    <message>
        <source>CAPACITA&apos;  DEL CAVO  COASSIALE  1 cm =   Pf  </source>
        <translation>COAX  CAPACITANCE  PER  1 cm =   pF  </translation>
    </message>
    <message>
        <source>Se il valore non è in lista, digitalo manualmente</source>
        <translation>If the value is not in the list, type it in</translation>
    </message>
    <message>
        <source>RAGGIO  DEL  CAVO  COASSIALE ................. mm  </source>
        <translation>COAX  CABLE  RADIUS ............................ mm  </translation>
    </message>
    <message>
        <source>Se il valore non è in lista digitalo manualmente</source>
        <translation>If the value is not in the list type it in</translation>
    </message>
    <message>
        <source>RAGGIO  DEL  SUPPORTO ............................... mm  </source>
        <translation>FORMER  RADIUS ........................................ mm  </translation>
    </message>
    <message>
        <source>Input raggio supporto</source>
        <translation>Enter the former radius</translation>
    </message>
    <message>
        <source>NUMERO  DELLE  SPIRE .........................................n </source>
        <translation>NUMBER  OF  TURNS .........................................n </translation>
    </message>
    <message>
        <source>Input numero delle spire</source>
        <translation>Enter the number of turns</translation>
    </message>
    <message>
        <source>centro  banda  PRIMA  FREQUENZA .... Mhz</source>
        <translation>band  centre  FIRST  FREQUENCY ..... MHz</translation>
    </message>
    <message>
        <source>Input frequenza più alta</source>
        <translation>Enter the higher frequency</translation>
    </message>
    <message>
        <source>centro  banda  SECONDA FREQUENZA  Mhz</source>
        <translation>band  centre  SECOND FREQUENCY  MHz</translation>
    </message>
    <message>
        <source>Input frequenza più bassa</source>
        <translation>Enter the lower frequency</translation>
    </message>
    <message>
        <source>MENU&apos;</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>Ritorna al menù iniziale</source>
        <translation>Back to the main menu</translation>
    </message>
    <message>
        <source>RESETTA</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Cancella tutte le input &amp; output</source>
        <translation>Clears all input &amp; output</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALC.</translation>
    </message>
    <message>
        <source>Completate le caselle input,calcola il dipolo</source>
        <translation>With the input boxes filled in, calculates the dipole</translation>
    </message>
    <message>
        <source>QUESTA  LUNGHEZZA   RISUONERA&apos;  SULLA  SECONDA  FREQUENZA</source>
        <translation>THIS  LENGTH   WILL  RESONATE  ON  THE  SECOND  FREQUENCY</translation>
    </message>
    <message>
        <source>Centrale </source>
        <translation>Feed point </translation>
    </message>
    <message>
        <source>metri per la prima frequenza</source>
        <translation>metres for the first frequency</translation>
    </message>
    <message>
        <source>BOBINA</source>
        <translation>COIL</translation>
    </message>
    <message>
        <source>metri per la seconda frequenza</source>
        <translation>metres for the second frequency</translation>
    </message>
    <message>
        <source>isolatore</source>
        <translation>insulator</translation>
    </message>
    <message>
        <source>Lunghezza del coassiale compresi i due segmenti  A e B</source>
        <translation>Length of the coax including the two pieces  A and B</translation>
    </message>
    <message>
        <source>La frequenza di taglio della bobina deve essere leggermente più alta del fine banda superiore della prima frequenza</source>
        <translation>The resonance of the trap must be a little above the upper band edge of the first frequency</translation>
    </message>
    <message>
        <source>Induttanza della bobina in micro HENRY</source>
        <translation>Inductance of the coil in microhenries</translation>
    </message>
    <message>
        <source>LUNGHEZZA  DEL COASSIALE  PER  LE    SPIRE  cm</source>
        <translation>COAX  LENGTH  FOR  THE    TURNS  cm</translation>
    </message>
    <message>
        <source>FREQUENZA  DI TAGLIO  MHz</source>
        <translation>TRAP  RESONANCE  MHz</translation>
    </message>
    <message>
        <source>          BOBINA            micro HENRY </source>
        <translation>          COIL                micro HENRY </translation>
    </message>
    <message>
        <source>                 BOBINA               PF</source>
        <translation>                 COIL                 pF</translation>
    </message>
    <message>
        <source>Capacità della  bobina in pico FARAD</source>
        <translation>Capacitance of the coil in picofarads</translation>
    </message>
    <message>
        <source>Capacità della bobina in pico FARAD</source>
        <translation>Capacitance of the coil in picofarads</translation>
    </message>
    <message>
        <source>RISULTATO... &gt;</source>
        <translation>RESULT... &gt;</translation>
    </message>
    <message>
        <source>BOBINA  SEZIONATA</source>
        <translation>COIL  CUTAWAY</translation>
    </message>
    <message>
        <source>Vedi spiegazione su &quot;LEGGIMI&quot;</source>
        <translation>See the explanation in &quot;READ ME&quot;</translation>
    </message>
    <message>
        <source>Lato </source>
        <translation>Side </translation>
    </message>
    <message>
        <source>centro</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>dipolo</source>
        <translation>dipole</translation>
    </message>
    <message>
        <source>Lato</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>esterno</source>
        <translation>outer</translation>
    </message>
    <message>
        <source>Lato calza verso il centro dipolo</source>
        <translation>Braid side towards the centre of the dipole</translation>
    </message>
    <message>
        <source>Lato del centrale verso l&apos;esterno dipolo</source>
        <translation>Centre conductor side towards the outer end of the dipole</translation>
    </message>
    <message>
        <source>IL SEGMENTO  DAL CENTRALE  ALLA BOBINA , DEVE RISUONARE SULLA  FREQUENZA PIU&apos;  ALTA</source>
        <translation>THE PIECE  FROM THE FEED POINT  TO THE TRAP  MUST RESONATE ON THE  HIGHER  FREQUENCY</translation>
    </message>
    <message>
        <source>LA  FREQUENZA DI  TAGLIO DELLA  BOBINA  DEVE  ESSERE  LEGGERMENTE  SUPERIORE  ALL &apos; INTERA  BANDA DELLA  PRIMA  FREQUENZA</source>
        <translation>THE  RESONANCE  OF  THE  TRAP  MUST  BE  A  LITTLE  ABOVE  THE  WHOLE  BAND  OF  THE  FIRST  FREQUENCY</translation>
    </message>
    <message>
        <source>LA FREQUENZA DI TAGLIO E&apos; TROPPO ALTA RISPETTO ALLA  PRIMA FREQUENZA</source>
        <translation>THE TRAP RESONANCE IS TOO HIGH FOR THE  FIRST FREQUENCY</translation>
    </message>
    <message>
        <source>SELEZIONA IL TIPO DI DIPOLO</source>
        <translation>SELECT THE TYPE OF DIPOLE</translation>
    </message>
    <message>
        <source>DIPOLO  BIBANDA</source>
        <translation>TWO-BAND  DIPOLE</translation>
    </message>
</context>
<context>
    <name>zeliro::frmDIPOLOSTANDARD</name>
    <message>
        <source>DIPOLO  STANDARD</source>
        <translation>STANDARD  DIPOLE</translation>
    </message>
    <message>
        <source>LUNGHEZZA  FISICA  DI  UN  DIPOLO  1/2  ONDA</source>
        <translation>PHYSICAL  LENGTH  OF  A  HALF-WAVE  DIPOLE</translation>
    </message>
    <message>
        <source>INPUT  FREQUENZA</source>
        <translation>FREQUENCY</translation>
    </message>
    <message>
        <source>Input frequenza</source>
        <translation>Enter the frequency</translation>
    </message>
    <message>
        <source>Separare  i  MHz  dai  KHz  con  la  virgola</source>
        <translation>Separate  MHz  from  kHz  with  a  point</translation>
    </message>
    <message>
        <source>Dipolo</source>
        <translation>Dipole</translation>
    </message>
    <message>
        <source>Orizzontale</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Inverted  V</source>
        <translation>Inverted  V</translation>
    </message>
    <message>
        <source>Per selezionare usa TAB o il MOUSE</source>
        <translation>To select use TAB or the MOUSE</translation>
    </message>
    <message>
        <source>LA  LUNGHEZZA  COMPLESSIVA  DEL  DIPOLO  SARA&apos;  DI   mt</source>
        <translation>THE  OVERALL  LENGTH  OF  THE  DIPOLE  WILL  BE   m</translation>
    </message>
    <message>
        <source>Seleziona il tipo di dipolo</source>
        <translation>Select the type of dipole</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>Calcola la lunghezza del dipolo</source>
        <translation>Calculates the length of the dipole</translation>
    </message>
    <message>
        <source>RESETTA</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Cancella tutte le input &amp; output</source>
        <translation>Clears all input &amp; output</translation>
    </message>
    <message>
        <source>MENU&apos;</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>Ritorna al menù  iniziale</source>
        <translation>Back to the main  menu</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
</context>
<context>
    <name>zeliro::frmMENU</name>
    <message>
        <source>Menù</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>by   TAVRON</source>
        <translation>by   TAVRON</translation>
    </message>
    <message>
        <source>ZELIRO</source>
        <translation>ZELIRO</translation>
    </message>
    <message>
        <source>DIPOLO STANDARD</source>
        <translation>STANDARD DIPOLE</translation>
    </message>
    <message>
        <source>Calcola un dipolo 1/2 onda</source>
        <translation>Calculates a half-wave dipole</translation>
    </message>
    <message>
        <source>Passa al programma Taratura del Dipolo</source>
        <translation>Goes to the Dipole Trimming program</translation>
    </message>
    <message>
        <source>Passa al programma calcolo bobina</source>
        <translation>Goes to the loading coil program</translation>
    </message>
    <message>
        <source>Calcola un dipolo multibanda con bobine in cavo coassiale</source>
        <translation>Calculates a multiband dipole with coaxial cable traps</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Visualizza  testo di  info</source>
        <translation>Shows  the  information  text</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Esce dal programma</source>
        <translation>Quits the program</translation>
    </message>
    <message>
        <source>      TARATURA                   del            DIPOLO</source>
        <translation>      DIPOLE                   TRIMMING</translation>
    </message>
    <message>
        <source>CALCOLO  BOBINE              per             DIPOLI ACCORCIATI</source>
        <translation>LOADING  COILS              for             SHORT DIPOLES</translation>
    </message>
    <message>
        <source>        DIPOLO               MULTIBANDA        CON TRAPPOLE     IN  COASSIALE</source>
        <translation>        MULTIBAND               DIPOLE        WITH  COAX     TRAPS</translation>
    </message>
</context>
<context>
    <name>zeliro::frmSplash</name>
    <message>
        <source> ZELIRO </source>
        <translation> ZELIRO </translation>
    </message>
    <message>
        <source>Versione  </source>
        <translation>Version  </translation>
    </message>
    <message>
        <source>Per visionare correttamente il programma  è consigliabile la risoluzione video 800  *  600</source>
        <translation>To view the program properly  a screen resolution of 800  *  600 is advised</translation>
    </message>
    <message>
        <source>Programma di TAVRON, radioamatore</source>
        <translation>A program by TAVRON, radio amateur</translation>
    </message>
    <message>
        <source>Distribuzione gratuita, vietata la vendita</source>
        <translation>Free distribution, not for sale</translation>
    </message>
    <message>
        <source>CONTINUA</source>
        <translation>CONTINUE</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
</context>
<context>
    <name>zeliro::frmTARATURA</name>
    <message>
        <source>TARATURA  del  DIPOLO</source>
        <translation>DIPOLE  TRIMMING</translation>
    </message>
    <message>
        <source>by  TAVRON</source>
        <translation>by  TAVRON</translation>
    </message>
    <message>
        <source>TARATURA   del   DIPOLO</source>
        <translation>TRIMMING   the   DIPOLE</translation>
    </message>
    <message>
        <source>input   FREQUENZA  di  TRASMISSIONE  desiderata ...Mhz</source>
        <translation>wanted   TRANSMIT  FREQUENCY ..................MHz</translation>
    </message>
    <message>
        <source>input Frequenza di trasmissione voluta</source>
        <translation>enter the wanted transmit frequency</translation>
    </message>
    <message>
        <source>input  FREQUENZA  rilevata  ( minimo  ROS ) ................Mhz</source>
        <translation>measured  FREQUENCY  ( lowest  SWR ) ..............MHz</translation>
    </message>
    <message>
        <source>input Frequenza con minimo ROS</source>
        <translation>enter the frequency of lowest SWR</translation>
    </message>
    <message>
        <source>Separare i MHz dai KHz con la virgola</source>
        <translation>Separate MHz from kHz with a point</translation>
    </message>
    <message>
        <source>Dipolo</source>
        <translation>Dipole</translation>
    </message>
    <message>
        <source>Orizzontale</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Inverted  v</source>
        <translation>Inverted  V</translation>
    </message>
    <message>
        <source>Per selezionare usa TAB o il MOUSE</source>
        <translation>To select use TAB or the MOUSE</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>Calcola la misura effettiva</source>
        <translation>Calculates the actual length</translation>
    </message>
    <message>
        <source>RESETTA</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Cancella tutte le input &amp; output</source>
        <translation>Clears all input &amp; output</translation>
    </message>
    <message>
        <source>MENU&apos;</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>Ritorna al menù iniziale</source>
        <translation>Back to the main menu</translation>
    </message>
    <message>
        <source>SELEZIONA IL TIPO DI DIPOLO</source>
        <translation>SELECT THE TYPE OF DIPOLE</translation>
    </message>
    <message>
        <source>PER SPOSTARE LA RISONANZA  DOVRAI:</source>
        <translation>TO MOVE THE RESONANCE  YOU MUST:</translation>
    </message>
    <message>
        <source>Centrale</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Isolatore</source>
        <translation>Insulator</translation>
    </message>
    <message>
        <source>Da misura…</source>
        <translation>From measurement…</translation>
    </message>
    <message>
        <source>Da misura</source>
        <translation>From measurement</translation>
    </message>
    <message>
        <source>Misure (*.s1p *.csv *.txt);;Tutti i file (*)</source>
        <translation>Measurements (*.s1p *.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Da analizzatore…</source>
        <translation>From analyser…</translation>
    </message>
    <message>
        <source>Da analizzatore</source>
        <translation>From analyser</translation>
    </message>
    <message>
        <source>Cavo…</source>
        <translation>Cable…</translation>
    </message>
    <message>
        <source>Cavo tra analizzatore e antenna</source>
        <translation>Cable between analyser and antenna</translation>
    </message>
    <message>
        <source>CAVO</source>
        <translation>CABLE</translation>
    </message>
    <message>
        <source>LUNGHEZZA  m</source>
        <translation>LENGTH  m</translation>
    </message>
</context>
<context>
    <name>zeliro::frmVERIFICA</name>
    <message>
        <source>RISONANZA  MHz</source>
        <translation>RESONANCE  MHz</translation>
    </message>
    <message>
        <source>SCARTO  kHz</source>
        <translation>OFFSET  kHz</translation>
    </message>
    <message>
        <source>SWR  ALLA  FREQUENZA</source>
        <translation>SWR  AT  FREQUENCY</translation>
    </message>
    <message>
        <source>IMPEDENZA  ohm</source>
        <translation>IMPEDANCE  ohm</translation>
    </message>
    <message>
        <source>BANDA  2:1  kHz</source>
        <translation>2:1  BANDWIDTH  kHz</translation>
    </message>
    <message>
        <source>MISURA</source>
        <translation>MEASURED</translation>
    </message>
    <message>
        <source>CONSIGLIO</source>
        <translation>ADVICE</translation>
    </message>
    <message>
        <source>VERIFICA  CON  SIMULAZIONE  NEC-2</source>
        <translation>CHECK  WITH  NEC-2  SIMULATION</translation>
    </message>
    <message>
        <source>SUOLO</source>
        <translation>GROUND</translation>
    </message>
    <message>
        <source>SIMULA</source>
        <translation>SIMULATE</translation>
    </message>
    <message>
        <source>ANNULLA</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>%1 banda %2</source>
        <translation>%1 band %2</translation>
    </message>
    <message>
        <source>Salva .nec</source>
        <translation>Save .nec</translation>
    </message>
    <message>
        <source>Salva CSV</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>Carica misura</source>
        <translation>Load measurement</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>VERIFICA  -  </source>
        <translation>CHECK  -  </translation>
    </message>
    <message>
        <source>Simulazione in corso...</source>
        <translation>Simulating...</translation>
    </message>
    <message>
        <source>Simulazione annullata.</source>
        <translation>Simulation cancelled.</translation>
    </message>
    <message>
        <source>BANDA  %1  (%2 MHz)</source>
        <translation>BAND  %1  (%2 MHz)</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>Salvato in %1</source>
        <translation>Saved in %1</translation>
    </message>
    <message>
        <source>Salva il modello NEC-2</source>
        <translation>Save the NEC-2 model</translation>
    </message>
    <message>
        <source>Modello NEC-2 (*.nec)</source>
        <translation>NEC-2 model (*.nec)</translation>
    </message>
    <message>
        <source>Nessuna simulazione da salvare: premere SIMULA.</source>
        <translation>No simulation to save: press SIMULATE.</translation>
    </message>
    <message>
        <source>Salva la simulazione</source>
        <translation>Save the simulation</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Carica una misura</source>
        <translation>Load a measurement</translation>
    </message>
    <message>
        <source>Misure (*.s1p *.csv *.txt);;Tutti i file (*)</source>
        <translation>Measurements (*.s1p *.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Misura: %1 (%2 punti)</source>
        <translation>Measurement: %1 (%2 points)</translation>
    </message>
    <message>
        <source>Stampa inviata alla stampante «%1».</source>
        <translation>Print sent to the printer “%1”.</translation>
    </message>
    <message>
        <source>DA ANALIZZATORE…</source>
        <translation>FROM ANALYSER…</translation>
    </message>
    <message>
        <source>Salva misura…</source>
        <translation>Save sweep…</translation>
    </message>
    <message>
        <source>Il progetto nella finestra %1 è cambiato: premere CALCOLA là per verificarlo.</source>
        <translation>The design in the %1 window has changed: press CALCULATE there to check it.</translation>
    </message>
    <message>
        <source>Le opzioni sono cambiate: i risultati non valgono più, premere SIMULA.</source>
        <translation>The options have changed: the results no longer apply, press SIMULATE.</translation>
    </message>
    <message>
        <source>Nessuna misura da salvare: caricarne una o leggerla dall&apos;analizzatore.</source>
        <translation>No measurement to save: load one or read it from the analyser.</translation>
    </message>
    <message>
        <source>Questa misura dà solo l&apos;SWR, senza fase: non si può scrivere come Touchstone.</source>
        <translation>This measurement gives only the SWR, without phase: it cannot be written as Touchstone.</translation>
    </message>
    <message>
        <source>Salva la misura</source>
        <translation>Save the measurement</translation>
    </message>
    <message>
        <source>Touchstone (*.s1p)</source>
        <translation>Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>Correzione in corso: passo %1 (al massimo %2)...</source>
        <translation>Correcting: step %1 (at most %2)...</translation>
    </message>
    <message>
        <source>CORREGGI</source>
        <translation>CORRECT</translation>
    </message>
    <message>
        <source>Trova le misure che mettono la risonanza del modello sulla frequenza di progetto</source>
        <translation>Finds the figures that put the model&apos;s resonance on the design frequency</translation>
    </message>
    <message>
        <source>Misura corretta %1</source>
        <translation>Corrected figure %1</translation>
    </message>
    <message>
        <source>Correzione in corso...</source>
        <translation>Correcting...</translation>
    </message>
    <message>
        <source>DIAGRAMMA</source>
        <translation>PATTERN</translation>
    </message>
    <message>
        <source>ALTEZZA</source>
        <translation>HEIGHT</translation>
    </message>
    <message>
        <source>Il diagramma segue la simulazione: premere SIMULA.</source>
        <translation>The pattern follows the simulation: press SIMULATE.</translation>
    </message>
    <message>
        <source>Calcolo del diagramma di radiazione in corso...</source>
        <translation>Computing the radiation pattern...</translation>
    </message>
    <message>
        <source>Lo studio dell&apos;altezza segue la simulazione: premere SIMULA.</source>
        <translation>The height study follows the simulation: press SIMULATE.</translation>
    </message>
    <message>
        <source>Studio dell&apos;altezza in corso...</source>
        <translation>Studying the height...</translation>
    </message>
    <message>
        <source>Nessun diagramma da salvare: aprire la pagina DIAGRAMMA.</source>
        <translation>No pattern to save: open the PATTERN page.</translation>
    </message>
    <message>
        <source>Salva il diagramma di radiazione</source>
        <translation>Save the radiation pattern</translation>
    </message>
    <message>
        <source>CONDUTTORE</source>
        <translation>CONDUCTOR</translation>
    </message>
    <message>
        <source>IMPIANTO</source>
        <translation>INSTALLATION</translation>
    </message>
    <message>
        <source>Guaina</source>
        <translation>Jacket</translation>
    </message>
    <message>
        <source>Riempie la permittività con quella della guaina scelta</source>
        <translation>Fills in the permittivity of the jacket chosen</translation>
    </message>
    <message>
        <source>Vuoto: la frequenza di progetto</source>
        <translation>Empty: the design frequency</translation>
    </message>
    <message>
        <source>Perdita adattata in dB ogni 100 m a 10 MHz</source>
        <translation>Matched loss in dB per 100 m at 10 MHz</translation>
    </message>
    <message>
        <source>Con un cavo, la misura è riportata al punto di alimentazione e il grafico SWR mostra anche il modello come lo vede la radio.</source>
        <translation>With a cable, the measurement is referred to the feed point and the SWR plot also shows the model as the radio sees it.</translation>
    </message>
    <message>
        <source>PERDITE  NEL  CONDUTTORE</source>
        <translation>CONDUCTOR  LOSS</translation>
    </message>
    <message>
        <source>LEGGIMI</source>
        <translation>READ ME</translation>
    </message>
    <message>
        <source>PDF…</source>
        <translation>PDF…</translation>
    </message>
    <message>
        <source>Salva come PDF</source>
        <translation>Save as PDF</translation>
    </message>
</context>
</TS>
