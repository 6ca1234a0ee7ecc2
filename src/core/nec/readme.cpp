#include "core/nec/readme.h"

#include <string>
#include <string_view>

namespace zeliro::nec {
namespace {

constexpr std::string_view italian =
    R"txt(La finestra prende il progetto mostrato nella finestra di calcolo che l'ha aperta, ne costruisce un modello NEC-2 e lo fa calcolare al simulatore nec2c. Se il progetto cambia (un nuovo CALCOLA), la finestra lo riceve; i risultati vecchi restano grigi finché non si preme di nuovo SIMULA.

LE OPZIONI
DIAMETRO FILO mm: il diametro del conduttore (il filo della bobina di carico, nella bobina).
SUOLO: spazio libero, suolo medio (terreno reale, calcolo Sommerfeld-Norton) o suolo perfetto.
ALTEZZA mt: l'altezza del centro del dipolo sul suolo; non conta nello spazio libero.
ANGOLO APICE gradi: l'angolo fra i due bracci dell'inverted V; 180 è il dipolo orizzontale.
FATTORE Q: il Q delle trappole o delle bobine; vuoto vale il valore tipico (150 o 200).
IMPEDENZA RIF. ohm: l'impedenza rispetto alla quale si calcola il ROS (50 per il cavo comune).
PUNTI PER BANDA: quante frequenze calcolare in ogni banda, da 2 a 1000.
PERDITE NEL RAME: il filo di rame con la sua resistenza, invece di un conduttore perfetto.
Cambiare un'opzione rende vecchi i risultati: restano visibili ma sbiaditi, e non si salvano né si stampano.

I COMANDI
SIMULA: calcola R, X e ROS attorno a ogni frequenza di progetto (più o meno 6 %), la risonanza, lo scarto dalla frequenza voluta, la banda con ROS fino a 2 e il consiglio su quanto allungare o accorciare.
CORREGGI: ripete la simulazione cambiando le misure finché la risonanza del modello cade sulla frequenza di progetto; mostra le misure corrette. Nel dipolo a due bande corregge insieme il filo interno e quello esterno.
ANNULLA: ferma il calcolo in corso; lo schermo resta com'era.
SWR: il ROS del modello per ogni banda, con la misura caricata accanto.
SMITH: la carta di Smith e R e X secondo la frequenza.
DIAGRAMMA: il diagramma di radiazione alla frequenza di progetto: sul suolo l'elevazione di fianco al filo e l'azimut all'angolo di partenza (a 30 gradi se il lobo sta sopra 60 gradi, dove l'azimut sarebbe un cerchio); nello spazio libero i piani E e H. Accanto, guadagno, angolo di partenza e apertura a -3 dB.
ALTEZZA IDEALE?: guadagno e angolo di partenza ad altezze da 1/8 a 1 lunghezza d'onda, nella pagina ALTEZZA.
Salva .nec, Salva CSV: il modello per altri programmi e i valori calcolati.
Carica misura, DA ANALIZZATORE: una misura dell'antenna costruita (file Touchstone o CSV, oppure letta dall'analizzatore) accanto al modello.
Stampa: un rapporto con il progetto, le opzioni, i risultati e i grafici.

I LIMITI
Il modello è un filo sottile e diritto: non conosce gli alberi, i tetti, le grondaie, il cavo che scende dal centro né i supporti. Il suolo medio è un terreno tipico: quello vero può spostare la risonanza di alcune decine di kHz. Le trappole e le bobine sono componenti ideali con il Q indicato. Sotto 1/10 di lunghezza d'onda di altezza i risultati sono meno sicuri. La simulazione indica la direzione: la misura sull'antenna vera decide.)txt";

constexpr std::string_view english =
    R"txt(The window takes the design on display in the calculation window that opened it, builds a NEC-2 model of it and has the nec2c simulator compute it. When the design changes (a new CALCULATE) the window receives it; the old results stay grey until SIMULATE is pressed again.

THE OPTIONS
WIRE DIAMETER mm: the diameter of the conductor (the coil's own wire, for the loading coil).
GROUND: free space, average ground (a real soil, Sommerfeld-Norton) or perfect ground.
HEIGHT m: the height of the dipole's centre over the ground; it does not count in free space.
APEX ANGLE degrees: the angle between the two arms of the inverted V; 180 is the flat dipole.
Q FACTOR: the Q of the traps or of the coils; empty takes the typical value (150 or 200).
REF. IMPEDANCE ohm: the impedance the SWR is reckoned against (50 for the usual coax).
POINTS PER BAND: how many frequencies to compute in each band, 2 to 1000.
COPPER LOSSES: the copper wire with its resistance, instead of a perfect conductor.
Changing an option makes the results old: they stay on screen, faded, and are neither saved nor printed.

THE COMMANDS
SIMULATE: computes R, X and SWR around each design frequency (plus or minus 6 %), the resonance, its distance from the wanted frequency, the band with SWR up to 2 and the advice on how much to lengthen or shorten.
CORRECT: repeats the simulation changing the lengths until the model resonates on the design frequency; shows the corrected lengths. On the two-band dipole it corrects the inner and the outer wire together.
CANCEL: stops the run; the screen stays as it was.
SWR: the model's SWR in each band, with the loaded measurement beside it.
SMITH: the Smith chart, and R and X against frequency.
PATTERN: the radiation pattern at the design frequency: over ground the elevation broadside to the wire and the azimuth at the take-off angle (at 30 degrees when the lobe is above 60 degrees, where the azimuth would be a circle); in free space the E and H planes. Beside them, gain, take-off angle and -3 dB width.
BEST HEIGHT?: gain and take-off angle at heights from 1/8 to 1 wavelength, on the HEIGHT page.
Save .nec, Save CSV: the model for other programs, and the computed values.
Load measurement, FROM ANALYSER: a measurement of the built antenna (a Touchstone or CSV file, or read from the analyser) beside the model.
Print: a report with the design, the options, the results and the plots.

THE LIMITS
The model is a thin straight wire: it knows nothing of trees, roofs, gutters, the coax coming down from the centre or the supports. Average ground is a typical soil: the real one may move the resonance by some tens of kHz. Traps and coils are ideal parts with the Q given. Below 1/10 wavelength of height the results are less sure. The simulation shows the way: the measurement on the real antenna decides.)txt";

// The box breaks lines itself; its line ends are CR LF.
std::string withLineEnds(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

TextWindowTexts verificationReadMe(Language language) {
    const bool en = language == Language::english;
    return {en ? "Read me - VERIFICATION" : "Leggimi - VERIFICA",
            en ? "VERIFICATION  BY  SIMULATION" : "VERIFICA  CON  SIMULAZIONE",
            withLineEnds(en ? english : italian)};
}

}  // namespace zeliro::nec
