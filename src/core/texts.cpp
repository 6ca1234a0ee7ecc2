#include "core/texts.h"

#include "core/textlines.h"

namespace zeliro {
namespace {

std::string readMeCaption(const textlines::CaptionLayout& layout) {
    return textlines::readMeCaption("Leggimi", layout);
}

using textlines::joinLines;

// clang-format off
const char* const informationLines[] = {
    "Per visualizzare correttamente il programma è consigliabile una risoluzione",
    "non inferiore a 800 * 600.",
    "Cliccando le singole caselle del menù, si entra di volta in volta nello specifico",
    "problema menzionato in esse. Aperta la pagina, un opportuno leggimi illustra lo",
    "scopo, l'applicazione ed eventuali note.",
    "",
    "",
    "",
    "Un sentito ringraziamento ai radioamatori che hanno provato il programma",
    "durante la sua realizzazione, confrontandone i risultati con le antenne",
    "costruite e segnalando errori e possibili miglioramenti.",
    "Per contatti, segnalazioni e suggerimenti rivolgersi all'autore tramite",
    "il suo nominativo: TAVRON.",
    "",
    "NB: gli autori non si assumono alcuna responsabilità per danni diretti o",
    "indiretti, interruzione di attività, perdita di dati o di denaro derivanti",
    "dall'uso del programma.",
};

const char* const halfWaveLines[] = {
    "\"DIPOLO STANDARD\" permette, con il solo inserimento della frequenza, di",
    "ottenere la lunghezza totale del dipolo a mezzonda, nelle sue due tipiche",
    "configurazioni cioè orizzontale o inverted V.",
    "Alla lunghezza ottenuta, per ovviare alla presenza di ostacoli,distanze dal",
    "suolo ridotte,configurazioni geometriche non corrette",
    "si suggerisce di lasciare un tratto di conduttore in eccesso ( codini ) per",
    "gli aggiustamenti.",
    "E' suggeribile l'utilizzo di un simmetrizzatore (BALUN 1:1)",
};

const char* const trimmingLines[] = {
    "Realizzato il dipolo orizzontale o inverted V con le dimensioni ricavate dai",
    "programmi \"DIPOLO STANDARD\" o \" DIPOLO MULTIBANDA\" ( per il solo",
    "tratto relativo alla prima frequenza ) normalmente si rileva che la frequenza di",
    "risonanza ( minimo ROS ), non coincide con quella desiderata.",
    "Questo perché solitamente il dipolo realizzato non si trova nello spazio libero,",
    "con la corretta distanza da  terra e privo di interferenze da ostacoli.",
    "Con questo programma è sufficiente inserire la frequenza voluta e quella di",
    "risonanza rilevata, per ottenere la quantità di allungamento o accorciamento",
    "da applicare ad entrambi i bracci del dipolo, senza naturalmente modificarne",
    "l'ubicazione.",
    "Il programma agisce correttamente nell'ambito della banda presa in",
    "considerazione.",
};

const char* const loadingCoilLines[] = {
    "CALCOLO  BOBINA : consente di realizzare antenne ( DIPOLO ) accorciate",
    "fisicamente.",
    "In base allo spazio a disposizione ed al diametro del conduttore o tubo usato",
    "permette di calcolare il valore dell' induttanza necessaria all'accorciamento",
    "del dipolo.",
    "Partendo dal centrale ,è buona norma posizionare la bobina non oltre la metà",
    "braccio del dipolo.",
    "Dopo averne ottenuto il valore si può passare a \"COSTRUZIONE",
    "DELLA  BOBINA\".",
};

const char* const coilConstructionLines[] = {
    "COSTRUZIONE  BOBINA  : ipotizzando diametro supporto,diametro filo dell'",
    "avvolgimento e numero delle spire permette la realizzazione della bobina",
    "rispondente al valore di induttanza richiesto.",
    "E' buona norma realizzare una bobina quadra (lunghezza avvolgimento",
    "uguale al diametro supporto ), pertanto è suggeribile non distanziare le spire",
    "trà di loro,utilizzando quindi filo smaltato.",
    "Con un diametro di 1mm la bobina sostiene validamente qualche centinaio di",
    "WATT,per potenze prossime al Kw ed oltre è indispensabile aumentare la",
    "sezione.",
    "Se possibile, verificare con l'induttanzimetro la corrispondenza di quanto",
    "ottenuto con quanto prefissato, ma sopratutto l'uguaglianza tra le due",
    "bobine.",
    "Comunque piccoli scostamenti del valore in MicroHenry,si compensano con la",
    "variazione in + o in  - della lunghezza del tratto di dipolo esterno alla bobina.",
    "Queste variazioni si rendono altresì necessarie per gli aggiustamenti",
    "dovuti alla presenza di ostacoli,distanza dal terreno configurazione del",
    "dipolo.",
    "In questo calcolo l' input \" LUNGHEZZA AVVOLGIMENTO \" sembra essere",
    "superfluo, perchè il computer può ricavarlo dal numero delle spire per il",
    "diametro del filo.Se così fosse, tutte le bobine dovrebbero essere costruite",
    "con filo smaltato, senza spaziatura.",
    "Lasciando questo valore manuale, l'utente può aumentare questa lunghezza,",
    "creando così spaziatura tra le spire. (usando filo per impianti domestici )",
    "Per un miglior rendimento, rispettare sempre il rapporto di lunghezza",
    "avvolgimento uguale al diametro del supporto.",
    "E' sempre consigliabile l' utilizzo di un simmetrizzatore (BALUN  1:1)",
};

const char* const twoBandLines[] = {
    "\"DIPOLO  MULTIBANDA\" permette di realizzare un dipolo risonante su più",
    "frequenze.",
    "Le bobine,vengono realizzate con cavo coassiale.",
    "La prima input chiede di inserire la capacità del coassiale (capacità per",
    "centimetro).",
    "Se si intende utilizzare un cavo presente nell'elenco, fare clik su di esso ,",
    "così le caselle di Capacità e Raggio vengono compilate automaticamente",
    "con l'inserimento di valori caratteristici prelevati da tabelle.",
    "Chi ha la possibilità di verificare tali dati direttamente (capacimetro )",
    "rilevando differenze o chi vuole utilizzare cavi non in elenco",
    "inserisce manualmente i valori.",
    "Chi seleziona la \"MODALITA' MANUALE \" vede comparire una nuova",
    "casella INPUT per il tipo di cavo. (omettere RG)",
    "Questo dato, non ha nessuna influenza sul calcolo,serve solo ad",
    "essere visualizzato in stampa.",
    "Ora bisogna inserire il raggio del supporto,",
    "il numero delle spire e le due frequenze dove si intende trasmettere,",
    "intendendo come prima frequenza quella più alta",
    "e come seconda la più bassa.",
    "All'inizio il numero delle spire è casuale,serve solo ad avere un punto di",
    "partenza.",
    "Premendo \"CALCOLA\" sotto al disegno del dipolo appare la frequenza di",
    "taglio della bobina che deve essere leggermente superiore",
    "all'estremo della banda riferita alla prima frequenza,oppure secondo",
    "esigenze personali.",
    "Continuare a modificare il numero delle spire e/o il raggio del supporto per",
    "ottenere la frequenza desiderata.",
    "E' bene che la lunghezza dell'avvolgimento stia nel rapporto di circa 0,4 o 0,5",
    "rispetto al diametro del supporto.",
    "Per facilitare l'ottenimento di questo rapporto,suggeriamo la partenza con i",
    "seguenti dati per ogni banda.I valori riportati sono riferiti al cavo RG58.",
    "Banda                          Raggio supporto                          Numero Spire",
    "",
    "",
    "80m                                  mm   45                                           9",
    "",
    "40m                                  mm   35                                           7",
    "",
    "30m                                  mm   30                                           6",
    "",
    "20m                                  mm   25                                           5",
    "",
    "17m                                  mm   22,5                                        5",
    "",
    "15m                                  mm   20                                           4",
    "",
    "12m                                  mm   20                                           4",
    "",
    "10m                                  mm   18                                           4",
    "",
    "",
    "(ESEMPIO)",
    "Supponiamo di dover realizzare un dipolo orizzontale per 40 e 80 metri:",
    "",
    "Raggio del supporto  = mm 35",
    "Raggio del RG58u      = mm 2,5",
    "Numero delle spire     =6,4",
    "Capacità del RG58u    = 0,935",
    "Prima frequenza      Mhz = 7,055",
    "Seconda frequenza Mhz = 3,650",
    "",
    "RISULTATO DEL CALCOLO:",
    "Metri dal centrale alla bobina = 10,09",
    "Risonanza Mhz = 7,179",
    "Metri dalla bobina alla fine del dipolo = metri 7,89",
    "Capacità PF = 142,86",
    "MicroHenry = 3,44",
    "Centimetri di coassiale per la bobina = 152,7",
    "",
    "Questa bobina funziona da  filtro Passa Basso,quindi si opporrà al transito di",
    "frequenze superiori alla sua risonanza, ecco perchè  la  RISONANZA  deve",
    "essere sempre superiore all'intera banda dove si intende trasmettere.",
    "Capiterà spesso che per la frequenza di risonanza richiesta si debba",
    "realizzare una bobina con un determinato numero di spire più i decimali.",
    "In questo caso bisogna rispettare fedelmente questi dati perchè anche un",
    "centimetro di spira varia di molto la risonanza.",
    "Lo stesso scopo lo si può raggiungere variando il diametro del supporto.",
    "Nella videata in basso a destra vengono riportati i valori in Picofarad e",
    "MicroHenry della bobina.Chi non volesse utilizzare il cavo coassiale",
    "può realizzare le bobine con filo smaltato",
    "(usando il programma Costruzione Bobina) introducendo al suo",
    "interno la capacità (in parallelo).",
    "La bobina in coassiale avrà un estremo con CALZA e l'altro con il POLO",
    "CALDO.(anima)",
    "La disposizione esatta è :",
    "1) lato CALZA verso il centro del dipolo",
    "2) lato CALDO (anima) verso l'esterno",
    "Nella casella \" Lunghezza del coassiale per le spire \" viene visualizzata la",
    "lunghezza del cavo per le sole spire.",
    "Questa misura comprende i due tratti di cavo A e B di 1 centimetro ciascuno",
    "per l'inserimento nel supporto (vedi figura) che devono restare integri.",
    "Per il collegamento all'interno del supporto,vanno aggiunti alcuni centimetri",
    "che variano a seconda se la bobina  avrà + o - spire.",
    "Per la taratura occorre installare il dipolo solo con i bracci per la prima",
    "frequenza (più alta) con le trappole che fungono provvisoriamente da",
    "isolatore.",
    "Dopo la taratura per il minimo ROS, si aggiungono i bracci per la seconda",
    "frequenza (più bassa) e si procede alla taratura  per detta banda.",
    "Se si desidera aggiungere una terza frequenza al dipolo bibanda",
    "realizzato,occorre procedere al calcolo di un  dipolo bibanda costituito però",
    "dalla seconda e terza frequenza, utilizzando quindi i  soli dati relativi alla",
    "bobina  ed al tratto di braccio (relativo alla terza frequenza)",
    "che verrà aggiunto successivamente ad essa.",
    "",
    "NB:  la presenza di ostacoli, la distanza da terra e la configurazione",
    "geometrica del dipolo, possono variare la lunghezza dei bracci.",
    "E' suggeribile l' utilizzo di un simmetrizzatore (BALUN 1:1)",
};
// clang-format on

}  // namespace

TextWindowTexts informationTexts() {
    return {readMeCaption(textlines::informationCaption()), "INFORMAZIONI  GENERALI",
            joinLines(informationLines)};
}

TextWindowTexts halfWaveReadMe() {
    return {readMeCaption(textlines::halfWaveCaption()), "DIPOLO  STANDARD", joinLines(halfWaveLines)};
}

TextWindowTexts trimmingReadMe() {
    return {readMeCaption(textlines::trimmingCaption()), "TARATURA  del   DIPOLO", joinLines(trimmingLines)};
}

TextWindowTexts loadingCoilReadMe() {
    return {readMeCaption(textlines::loadingCoilCaption()), "CALCOLO  BOBINA", joinLines(loadingCoilLines)};
}

TextWindowTexts coilConstructionReadMe() {
    return {readMeCaption(textlines::coilConstructionCaption()), "COSTRUZIONE  BOBINA",
            joinLines(coilConstructionLines)};
}

TextWindowTexts twoBandReadMe() {
    return {readMeCaption(textlines::twoBandCaption()), "DIPOLO  MULTIBANDA", joinLines(twoBandLines)};
}

}  // namespace zeliro
