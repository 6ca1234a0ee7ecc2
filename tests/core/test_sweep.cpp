// Measured sweeps: every Touchstone format and unit and every CSV shape read
// the same point; every bad file gives its line and message and no sweep;
// huge input stops early; the minimum, reactance zeros and 2:1 band; and the
// sample dipole sweep, written to the build folder for the README.
#include <QTest>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <streambuf>

#include "core/dipolesweep.h"
#include "core/nec/measured.h"
#include "core/numbers.h"
#include "core/sweep/sweep.h"

using namespace zeliro;

namespace {

SweepReading readText(const QByteArray& text, const QByteArray& fileName,
                      Language language = Language::italian, const SweepHints& hints = {}) {
    std::istringstream in(text.toStdString());
    return readSweep(in, std::string_view(fileName.constData(), std::size_t(fileName.size())), language,
                     hints);
}

MeasuredSweep sweepOf(const QList<double>& frequencies, const QList<double>& swrs,
                      const QList<double>& reactances = {}) {
    MeasuredSweep sweep;
    sweep.impedanceKnown = !reactances.isEmpty();
    for (qsizetype i = 0; i < frequencies.size(); ++i)
        sweep.points.push_back({frequencies[i], swrs.value(i, 1), 50, reactances.value(i)});
    return sweep;
}

// Endless text made on the fly: lines "1,1.5", "2,1.5"... or one comment
// line repeated; counts what it served.
class EndlessText : public std::streambuf {
public:
    explicit EndlessText(bool points) : m_points(points) {}
    std::size_t served = 0;

protected:
    int_type underflow() override {
        m_line = m_points ? std::to_string(++m_count) + ",1.5\n" : "! " + std::string(78, 'x') + "\n";
        served += m_line.size();
        setg(m_line.data(), m_line.data(), m_line.data() + m_line.size());
        return traits_type::to_int_type(m_line[0]);
    }

private:
    bool m_points;
    std::size_t m_count = 0;
    std::string m_line;
};

}  // namespace

class SweepTest : public QObject {
    Q_OBJECT

private slots:
    void readsEachShape_data();
    void readsEachShape();
    void refusesBadInput_data();
    void refusesBadInput();
    void csvUnitFromTheExpectedFrequency_data();
    void csvUnitFromTheExpectedFrequency();
    void stopsEarlyOnHugeInput();
    void findsMinimumSwr_data();
    void findsMinimumSwr();
    void findsReactanceZerosAndBand();
    void namesWhatTheSweepShows_data();
    void namesWhatTheSweepShows();
    void followsTheReference_data();
    void followsTheReference();
    void readsTheSampleDipole();
    void takesTheResonanceAsTheVerificationDoes_data();
    void takesTheResonanceAsTheVerificationDoes();
};

// Each file holds 75 + j25 ohm at 7.1 MHz first, on 50 ohm unless stated:
// S11 = (3 + 2j) / 13, |S11| = 0.27735..., 33.69 degrees, -11.139 dB.
void SweepTest::readsEachShape_data() {
    QTest::addColumn<QByteArray>("fileName");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("impedanceKnown");
    QTest::addColumn<double>("referenceOhms");
    QTest::addColumn<double>("swr");
    const auto row = [](const char* name, const char* file, const QByteArray& text, int points,
                        bool impedance, double r0 = 50, double swr = 1.7675918792439984) {
        QTest::newRow(name) << QByteArray(file) << text << points << impedance << r0 << swr;
    };
    const QByteArray ri = "0.23076923076923078 0.15384615384615385";
    const QByteArray ma = "0.2773500981126146 33.690067525979785";
    const QByteArray swr = "1.7675918792439984";
    const QByteArray swrComma = "1,7675918792439984";
    row("s1p RI MHz", "a.s1p", "# MHz S RI R 50\n7.1 " + ri + "\n", 1, true);
    row("s1p no option line: GHz MA R 50", "A.S1P", "0.0071 " + ma + "\n", 1, true);
    row("s1p DB kHz", "a.s1p", "# kHz S DB R 50\n7100 -11.139433523068368 33.690067525979785\n7200 -10 30\n",
        2, true);
    row("s1p Hz, fields in any order and case, no R", "", "#ri  hz\n7100000\t" + ri + "\n", 1, true);
    row("s1p GHz MA R 75", "x.s1p", "# GHz S MA R 75\n0.0071 0.1643989873053573 80.53767779197439\n", 1, true,
        75, 1.39348680723879);
    row("s1p Z parameters", "z.s1p", "# MHz Z RI R 50\n7.1 1.5 0.5\n", 1, true);
    row("s1p Y parameters", "y.s1p", "# MHz Y RI R 50\n7.1 0.6 -0.2\n", 1, true);
    row("s1p analyser comments, blanks, CR LF, BOM", "misura.txt",
        "\xef\xbb\xbf! NanoVNA\r\n\r\n  # MHz S RI R 50 ! opzioni\r\n! dati\r\n 7.1   " + ri +
            "  ! primo\r\n\r\n7.2 0 0\r\n",
        2, true);
    row("s1p Touchstone 2 keywords", "",
        "[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 1\n[Network Data]\n7.1 " + ri + "\n[End]\n", 1,
        true);
    row("Touchstone 2: [Reference] takes the place of R", "",
        "[Version] 2.0\n# MHz S MA R 50\n[Number of Ports] 1\n[Reference] 75\n[Number of Frequencies] 1\n"
        "[Network Data]\n7.1 0.1643989873053573 80.53767779197439\n[End]\n3 stray words\n",
        1, true, 75, 1.39348680723879);
    row("Touchstone 2: Z in ohms, [Reference] on the next line, information block", "a.ts",
        "! VNA\n[Version] 2.0\n# MHz Z RI\n[Number of Ports] 1\n[Reference]\n50\n[Begin Information]\n"
        "7 8 9 10\n[End Information]\n[Network Data]\n7.1 75 25\n7.2 80 30\n[End]\n",
        2, true);
    row("s1p old Mac CR line ends", "", "# MHz S RI R 50\r7.1 " + ri + "\r7.2 0 0", 2, true);
    row("csv comma, Frequency (Hz), R, X", "a.csv", "Frequency (Hz),R,X\n7100000,75,25\n7200000,80,30\n", 2,
        true);
    row("csv semicolon, decimal comma, VSWR in MHz", "a.csv",
        "Freq [MHz];VSWR\n7,1;" + swrComma + "\n7,2;1,9\n", 2, false);
    row("csv tab, kHz, S11 real and imag", "a.txt",
        "freq(kHz)\tS11 real\tS11 imag\n7100\t0.23076923076923078\t0.15384615384615385\n", 1, true);
    row("csv Re Im in GHz", "a.csv",
        "Frequency (GHz),Re,Im\n0.0071,0.23076923076923078,0.15384615384615385\n", 1, true);
    row("csv Re(Z) Im(Z)", "a.csv", "Freq (MHz),Re(Z),Im(Z)\n7.1,75,25\n", 1, true);
    row("csv Italian header", "a.csv",
        "Frequenza (MHz);ROS;Resistenza;Reattanza\n7,1;" + swrComma + ";75;25\n", 1, true);
    row("csv no header, 2 columns, MHz by size", "a.csv", "7.1," + swr + "\n7.2,1.9\n", 2, false);
    row("csv no header, 3 columns, Hz by size", "a.csv", "7100000,75,25\n", 1, true);
    row("csv no header, 4 columns, kHz by size", "a.csv", "7100;" + swrComma + ";75;25\n", 1, true);
    row("csv blanks and decimal comma", "a.txt", "7,1  75 25\n7,2 80 30\n", 2, true);
    row("csv quoted header, trailing comma, CR LF", "a.csv",
        "\"Frequency (MHz)\",\"SWR\",\"R\",\"X\",\r\n7.1," + swr + ",75,25,\r\n", 1, true);
    row("csv analyser preamble, comments, an extra column", "aa.csv",
        "Antenna analyser sweep\n! 8 Dec 2026\n# a mano\nFrequency (MHz), SWR, Rs, Xs, |Z|\n7.100, " + swr +
            ", 75, 25, 79.06\n\n",
        1, true);
}

void SweepTest::readsEachShape() {
    QFETCH(QByteArray, fileName);
    QFETCH(QByteArray, text);
    QFETCH(int, points);
    QFETCH(bool, impedanceKnown);
    QFETCH(double, referenceOhms);
    QFETCH(double, swr);
    const SweepReading reading = readText(text, fileName);
    QVERIFY2(reading.ok(), reading.error.message.c_str());
    const MeasuredSweep& sweep = *reading.sweep;
    QCOMPARE(int(sweep.points.size()), points);
    QCOMPARE(sweep.impedanceKnown, impedanceKnown);
    QCOMPARE(sweep.referenceOhms, referenceOhms);
    const SweepPoint& first = sweep.points.front();
    QCOMPARE(first.frequencyMHz, 7.1);
    QVERIFY(qAbs(first.swr - swr) < 1e-12);
    if (impedanceKnown) {
        QVERIFY(qAbs(first.resistance - 75) < 1e-9);
        QVERIFY(qAbs(first.reactance - 25) < 1e-9);
    }
}

void SweepTest::refusesBadInput_data() {
    QTest::addColumn<QByteArray>("fileName");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("english");
    const auto row = [](const char* name, const char* file, QByteArray text, int line, SweepProblem problem,
                        const char* message, const char* english) {
        QTest::newRow(name) << QByteArray(file) << text << line << int(problem) << QByteArray(message)
                            << QByteArray(english);
    };
    using P = SweepProblem;
    row("empty file", "a.s1p", "", 0, P::empty, "Il file è vuoto.", "The file is empty.");
    row("comments and a header only", "a.csv", "! nulla\n\nFrequency,SWR\n", 0, P::empty,
        "Il file non contiene misure.", "The file holds no measurements.");
    row("prose", "a.txt", "Caro diario,\noggi ho misurato.\n", 0, P::empty, "Il file non contiene misure.",
        "The file holds no measurements.");
    row("binary bytes", "a.csv", QByteArray("7.1,1.5\n7.2\x01\x02,1.4\n", 18), 2, P::binary,
        "Riga 2: il file contiene dati binari, non è un file di testo.",
        "Line 2: the file holds binary data, it is not a text file.");
    row("NUL byte", "a.s1p", QByteArray("7.1 0.1 0\0\n", 11), 1, P::binary,
        "Riga 1: il file contiene dati binari, non è un file di testo.",
        "Line 1: the file holds binary data, it is not a text file.");
    row("UTF-16", "a.csv",
        QByteArray("\xff\xfe"
                   "7\0.\0"
                   "1\0",
                   8),
        1, P::binary, "Riga 1: il file è in UTF-16: salvarlo come testo semplice (UTF-8).",
        "Line 1: the file is in UTF-16: save it as plain text (UTF-8).");
    row("csv word among numbers", "a.csv", "Frequency,SWR\n7.1,1.5\n7.2,abc\n", 3, P::notANumber,
        "Riga 3: \"abc\" non è un numero.", "Line 3: \"abc\" is not a number.");
    row("csv text after the numbers", "a.csv", "7.1,1.5\nfine\n", 2, P::columnCount,
        "Riga 2: attesi 2 valori, trovati 1.", "Line 2: expected 2 values, found 1.");
    row("csv row shorter than its header", "a.csv", "Freq,SWR,Note\n7.1,1.5,ok\n7.2\n", 3, P::columnCount,
        "Riga 3: attesi da 2 a 3 valori, trovati 1.", "Line 3: expected 2 to 3 values, found 1.");
    row("csv decimal comma beside a comma", "a.csv", "7.1,1.5\n7.2,\"1,4\"\n", 2, P::notANumber,
        "Riga 2: \"1,4\" non è un numero.", "Line 2: \"1,4\" is not a number.");
    row("s1p word among numbers", "a.s1p", "# MHz S RI R 50\n7.1 0.1 zero\n", 2, P::notANumber,
        "Riga 2: \"zero\" non è un numero.", "Line 2: \"zero\" is not a number.");
    row("s1p too few values", "a.s1p", "# MHz S RI R 50\n7.1 0.1\n", 2, P::columnCount,
        "Riga 2: attesi 3 valori (frequenza e S11), trovati 2.",
        "Line 2: expected 3 values (frequency and S11), found 2.");
    row("csv falling frequency", "a.csv", "7.1,1.5\n7.2,1.4\n7.15,1.3\n", 3, P::frequencyNotRising,
        "Riga 3: la frequenza 7,15 non sale dopo 7,2: le frequenze devono crescere.",
        "Line 3: the frequency 7.15 does not rise after 7.2: the frequencies must go up.");
    row("s1p repeated frequency", "a.s1p", "# MHz S RI R 50\n7.1 0.1 0\n7.1 0.1 0\n", 3,
        P::frequencyNotRising, "Riga 3: la frequenza 7,1 non sale dopo 7,1: le frequenze devono crescere.",
        "Line 3: the frequency 7.1 does not rise after 7.1: the frequencies must go up.");
    row("negative frequency", "a.csv", "-7.1,1.5\n", 1, P::negativeFrequency,
        "Riga 1: frequenza negativa (-7,1).", "Line 1: negative frequency (-7.1).");
    row("frequency out of range", "a.s1p", "# GHz S RI R 50\n1e16 0 0\n", 2, P::outOfRange,
        "Riga 2: frequenza fuori scala (1E+16).", "Line 2: frequency out of range (1E+16).");
    row("s2p by name", "dir.s1p/ant.S2P", "# GHz S MA R 50\n", 0, P::secondPort,
        "Il file \"ant.S2P\" ha più di una porta: si legge un file .s1p.",
        "The file \"ant.S2P\" has more than one port: only .s1p files are read.");
    row("two-port data line", "a.s1p", "# GHz S MA R 50\n1 0.1 0 0.9 10 0.9 10 0.1 0\n", 2, P::secondPort,
        "Riga 2: 9 valori: il file ha più di una porta; si legge una porta sola.",
        "Line 2: 9 values: the file has more than one port; only one port is read.");
    row("two-port H parameters", "", "# GHz H MA R 50\n", 1, P::secondPort,
        "Riga 1: parametri \"H\" di un file a due porte: si legge una porta sola.",
        "Line 1: \"H\" parameters belong to a two-port file: only one port is read.");
    row("Touchstone 2 with two ports", "", "[Version] 2.0\n[Number of Ports] 2\n", 2, P::secondPort,
        "Riga 2: il file dichiara \"2\" porte: si legge una porta sola.",
        "Line 2: the file declares \"2\" ports: only one port is read.");
    row("csv S21 column", "a.csv", "Freq,S11 re,S11 im,S21 re,S21 im\n7.1,0,0,0,0\n", 1, P::secondPort,
        "Riga 1: la colonna \"S21 re\" è di un'altra porta: si legge solo S11.",
        "Line 1: the column \"S21 re\" belongs to another port: only S11 is read.");
    row("csv five columns without header", "a.csv", "7.1,0,0,0,0\n", 1, P::secondPort,
        "Riga 1: 5 colonne, più di quante ne abbia una porta (frequenza, SWR, R, X).",
        "Line 1: 5 columns, more than one port has (frequency, SWR, R, X).");
    row("s1p |S11| of 1", "a.s1p", "# MHz S MA R 50\n7.1 0.5 0\n7.2 1 180\n", 3, P::noSwr,
        "Riga 3: |S11| = 1 non è minore di 1: SWR non calcolabile.",
        "Line 3: |S11| = 1 is not below 1: no SWR.");
    row("csv S11 above 1", "a.csv", "Freq (MHz),Re,Im\n7.1,0.9,0.6\n", 2, P::noSwr,
        "Riga 2: |S11| = 1,08167 non è minore di 1: SWR non calcolabile.",
        "Line 2: |S11| = 1.08167 is not below 1: no SWR.");
    row("csv SWR below 1", "a.csv", "7.1,0.9\n", 1, P::noSwr, "Riga 1: SWR 0,9 minore di 1.",
        "Line 1: SWR 0.9 below 1.");
    row("csv negative resistance", "a.csv", "7.1,-3,25\n", 1, P::noSwr,
        "Riga 1: resistenza -3 ohm non maggiore di 0: SWR non calcolabile.",
        "Line 1: a resistance of -3 ohms is not above 0: no SWR.");
    row("csv one column", "a.csv", "7.1\n", 1, P::columnCount,
        "Riga 1: un valore solo: servono la frequenza e lo SWR, o R e X.",
        "Line 1: a single value: frequency and SWR are needed, or R and X.");
    row("csv header without usable columns", "a.csv", "Frequency,Return Loss\n7.1,10\n", 1, P::unknownColumns,
        "Riga 1: l'intestazione non nomina le colonne da leggere: servono la frequenza e lo SWR, o R e X, o "
        "S11 reale e immaginaria.",
        "Line 1: the header names no columns to read: frequency and SWR are needed, or R and X, or S11 real "
        "and imaginary.");
    row("s1p unknown option", "a.s1p", "# MHz S XX R 50\n", 1, P::badOptionLine,
        "Riga 1: \"XX\" non è un'unità (Hz, kHz, MHz, GHz), un parametro (S, Z, Y), un formato (MA, DB, RI) "
        "né R.",
        "Line 1: \"XX\" is neither a unit (Hz, kHz, MHz, GHz), a parameter (S, Z, Y), a format (MA, DB, RI) "
        "nor R.");
    row("s1p R without ohms", "a.s1p", "# MHz S RI R\n", 1, P::badOptionLine,
        "Riga 1: dopo R serve la resistenza di riferimento in ohm, maggiore di 0.",
        "Line 1: R must be followed by the reference resistance in ohms, above 0.");
    row("s1p option line after data", "a.s1p", "7.0 0.1 0\n# MHz S RI R 50\n7.1 0.1 0\n", 2, P::badOptionLine,
        "Riga 2: riga di opzioni dopo i dati: deve venire prima della prima misura, che altrimenti "
        "cambierebbe "
        "unità.",
        "Line 2: an option line after the data: it must come before the first measurement, whose unit it "
        "would otherwise change.");
    row("Touchstone 2 mixed mode", "",
        "[Version] 2.0\n# MHz S RI\n[Number of Ports] 1\n[Mixed-Mode Order] D1,1\n", 4, P::secondPort,
        "Riga 4: dati in modo misto (differenziale): si legge una porta sola.",
        "Line 4: mixed-mode (differential) data: only one port is read.");
    row("Touchstone 2 data before [Network Data]", "",
        "[Version] 2.0\n# MHz S RI\n[Number of Ports] 1\n7.1 0 0\n", 4, P::badKeyword,
        "Riga 4: dati prima di [Network Data].", "Line 4: data before [Network Data].");
    row("Touchstone 2 frequency count", "",
        "[Version] 2.0\n# MHz S RI\n[Number of Ports] 1\n[Number of Frequencies] 2\n[Network Data]\n"
        "7.1 0 0\n[End]\n",
        0, P::badKeyword, "Il file dichiara 2 frequenze e ne contiene 1.",
        "The file declares 2 frequencies and holds 1.");
    row("Touchstone version 3", "", "[Version] 3.0\n", 1, P::badKeyword,
        "Riga 1: versione Touchstone \"3.0\" sconosciuta: si leggono la 1 e la 2.0.",
        "Line 1: unknown Touchstone version \"3.0\": versions 1 and 2.0 are read.");
    row("line without end", "a.csv", "7.1,1.5\n" + QByteArray(5000, '7'), 2, P::lineTooLong,
        "Riga 2: riga più lunga di 4096 caratteri: non è un file di misura.",
        "Line 2: a line longer than 4096 characters: this is not a measurement file.");
}

void SweepTest::refusesBadInput() {
    QFETCH(QByteArray, fileName);
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(int, problem);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, english);
    for (const Language language : {Language::italian, Language::english}) {
        const SweepReading reading = readText(text, fileName, language);
        QVERIFY(!reading.sweep);
        QCOMPARE(QByteArray::fromStdString(reading.error.message),
                 language == Language::english ? english : message);
        QCOMPARE(int(reading.error.line), line);
        QCOMPARE(int(reading.error.problem), problem);
    }
}

// A CSV whose header names no unit takes the one that puts the sweep near the
// frequency it was made for, says so, and is refused when no unit does.
void SweepTest::csvUnitFromTheExpectedFrequency_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expectedMHz");  // 0: none given
    QTest::addColumn<double>("firstMHz");     // 0: refused
    QTest::addColumn<QString>("note");
    QTest::newRow("2 m in kHz, no header")
        << QByteArray("144000,1.5\n146000,1.4\n") << 145.0 << 144.0 << "frequenze in kHz";
    QTest::newRow("23 cm under a plain Freq")
        << QByteArray("Freq,SWR\n1290,1.5\n1300,1.3\n") << 1296.0 << 1290.0 << "frequenze in MHz";
    QTest::newRow("40 m in Hz") << QByteArray("7000000,1.5\n7100000,1.4\n") << 7.05 << 7.0
                                << "frequenze in Hz";
    QTest::newRow("a resonance off the design")
        << QByteArray("6500,1.5\n6600,1.4\n") << 7.05 << 6.5 << "frequenze in kHz";
    QTest::newRow("the header's unit wins") << QByteArray("Freq (kHz),SWR\n7000,1.5\n") << 144.0 << 7.0 << "";
    QTest::newRow("nothing expected: by size")
        << QByteArray("144000,1.5\n") << 0.0 << 0.144 << "frequenze in Hz";
    QTest::newRow("no unit fits") << QByteArray("300,1.5\n400,1.4\n") << 7.05 << 0.0 << "";
}

void SweepTest::csvUnitFromTheExpectedFrequency() {
    QFETCH(QByteArray, text);
    QFETCH(double, expectedMHz);
    QFETCH(double, firstMHz);
    QFETCH(QString, note);
    SweepHints hints;
    if (expectedMHz > 0) hints.expectedMHz = expectedMHz;
    const SweepReading reading = readText(text, "a.csv", Language::italian, hints);
    if (firstMHz == 0) {
        QVERIFY(!reading.ok());
        QCOMPARE(reading.error.problem, SweepProblem::unknownUnit);
        QCOMPARE(QString::fromStdString(reading.error.message),
                 "L'intestazione non dice l'unità delle frequenze e nessuna unità porta la misura vicino a "
                 "7,05 MHz: scrivere l'unità nell'intestazione, per esempio \"Freq (kHz)\".");
        return;
    }
    QVERIFY2(reading.ok(), reading.error.message.c_str());
    QCOMPARE(reading.sweep->points.front().frequencyMHz, firstMHz);
    QCOMPARE(QString::fromStdString(assumedUnitText(*reading.sweep)), note);
}

// A file of a million and more points stops at the point past the limit; a
// file of comments at 128 MiB; neither is held in memory.
void SweepTest::stopsEarlyOnHugeInput() {
    EndlessText points(true);
    std::istream pointStream(&points);
    SweepReading reading = readSweep(pointStream, SweepFormat::csv);
    QCOMPARE(reading.error.message,
             std::string("Riga 1000001: più di 1000000 punti: il file è troppo grande."));
    QVERIFY(points.served < 16u << 20);

    EndlessText comments(false);
    std::istream commentStream(&comments);
    reading = readSweep(commentStream, "huge.csv");
    QCOMPARE(reading.error.problem, SweepProblem::tooLarge);
    QVERIFY(reading.error.message.find("128 MB") != std::string::npos);
    QVERIFY(comments.served <= (128u << 20) + 2 * 65536);
}

void SweepTest::findsMinimumSwr_data() {
    QTest::addColumn<QList<double>>("frequencies");
    QTest::addColumn<QList<double>>("swrs");
    QTest::addColumn<double>("wanted");  // 0: none
    QTest::addColumn<double>("minimum");
    QTest::addColumn<bool>("isDip");
    const QList<double> twoBands{3.5, 3.6, 3.7, 7.0, 7.1, 7.2};
    const QList<double> trapSwrs{3, 1.3, 3, 3, 1.5, 3};
    const QList<double> seven{7.0, 7.1, 7.2, 7.3, 7.4, 7.5, 7.6};
    QTest::newRow("one dip") << seven << QList<double>{3, 2, 1.2, 2, 3, 4, 5} << 0.0 << 7.2 << true;
    QTest::newRow("two bands, the deepest without a wanted frequency")
        << twoBands << trapSwrs << 0.0 << 3.6 << true;
    QTest::newRow("two bands, the nearest the wanted frequency")
        << twoBands << trapSwrs << 7.05 << 7.1 << true;
    QTest::newRow("equally near: the lower SWR") << QList<double>{3.0, 3.5, 4.0, 7.0, 7.5, 8.0}
                                                 << QList<double>{3, 1.5, 3, 3, 1.3, 3} << 5.5 << 7.5 << true;
    QTest::newRow("noise at the bottom: midpoint of the lowest")
        << seven << QList<double>{3, 2, 1.2, 1.21, 1.2, 2, 3} << 0.0 << 7.3 << true;
    QTest::newRow("a ripple near the wanted frequency is no dip")
        << seven << QList<double>{3, 1.2, 3, 3.05, 3, 3.05, 3} << 7.4 << 7.1 << true;
    QTest::newRow("falling to the end: the lowest point")
        << seven << QList<double>{5, 4, 3, 2.5, 2, 1.8, 1.7} << 7.0 << 7.6 << false;
    QTest::newRow("flat: the middle of the flat")
        << seven << QList<double>{1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5} << 0.0 << 7.3 << false;
}

void SweepTest::findsMinimumSwr() {
    QFETCH(QList<double>, frequencies);
    QFETCH(QList<double>, swrs);
    QFETCH(double, wanted);
    QFETCH(double, minimum);
    QFETCH(bool, isDip);
    const auto found =
        minimumSwr(sweepOf(frequencies, swrs), wanted > 0 ? std::optional(wanted) : std::nullopt);
    QVERIFY(found);
    QCOMPARE(found->frequencyMHz, minimum);
    QCOMPARE(found->isDip, isDip);
    QVERIFY(!minimumSwr(MeasuredSweep{}));
}

void SweepTest::findsReactanceZerosAndBand() {
    const MeasuredSweep sweep =
        sweepOf({7.0, 7.1, 7.2, 7.3, 7.4, 7.5}, {2.2, 1.8, 1.2, 1.6, 2.4, 3}, {-30, -10, 10, 0, 0, -5});
    const std::vector<ReactanceZero> zeros = reactanceZeros(sweep);
    QCOMPARE(zeros.size(), std::size_t(2));
    QCOMPARE(zeros[0].frequencyMHz, 7.15);  // halfway from -10 to +10
    QVERIFY(zeros[0].rising);
    QCOMPARE(zeros[1].frequencyMHz, 7.3);  // a run of zeros counts once, falling
    QVERIFY(!zeros[1].rising);
    QVERIFY(reactanceZeros(sweepOf({7.0, 7.1}, {2, 1})).empty());  // SWR only

    const auto band = swrBandwidth(sweep, 7.21);
    QVERIFY(band && band->lowMHz && band->highMHz);
    QVERIFY(qAbs(*band->lowMHz - 7.05) < 1e-12);   // halfway from 1.8 to 2.2
    QVERIFY(qAbs(*band->highMHz - 7.35) < 1e-12);  // halfway from 1.6 to 2.4
    QVERIFY(!swrBandwidth(sweep, 7.0));            // SWR 2,2 there
    const auto open = swrBandwidth(sweepOf({7.0, 7.1, 7.2}, {1.5, 1.2, 3}), 7.1);
    QVERIFY(open && !open->lowMHz && open->highMHz);
}

// A band whose sweep takes in every point of the measurement.
nec::Band bandOver(const MeasuredSweep& sweep) {
    const double first = sweep.points.front().frequencyMHz, last = sweep.points.back().frequencyMHz;
    return {(first + last) / 2, first - 1e-3, (last - first + 2e-3) / 2, 3};
}

// The summary beside the model, and what "Da misura…" of the trimming window
// does with the frequency typed: only a true dip counts, every dip is named,
// and where there is none the summary and the message say what there is.
void SweepTest::namesWhatTheSweepShows_data() {
    QTest::addColumn<QList<double>>("frequencies");
    QTest::addColumn<QList<double>>("swrs");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("trimming");  // the figure into Text2, or the message
    using nec::Text;
    const auto said = [](Text which, const std::vector<std::string>& figures = {}) {
        return QString::fromStdString(nec::textWith(which, figures));
    };
    const QList<double> seven{7.0, 7.1, 7.2, 7.3, 7.4, 7.5, 7.6};
    QTest::newRow("one dip") << seven << QList<double>{3, 2, 1.2, 2, 3, 4, 5} << "7,2"
                             << "SWR min 1,2 a 7,2 MHz, banda 2:1 200 kHz, misurato a 50 Ω"
                             << "7,2";
    QTest::newRow("two equal dips, both named; the nearer fills")
        << seven << QList<double>{3, 1.5, 3, 3, 3, 1.5, 3} << "7,55"
        << "SWR min 1,5 a 7,1 MHz, SWR min 1,5 a 7,5 MHz, banda 2:1 67 kHz, misurato a 50 Ω"
        << "7,5";
    QTest::newRow("flat: no minimum")
        << seven << QList<double>{3, 3, 3, 3, 3, 3, 3} << "7,1"
        << "nessun minimo di SWR nella scansione, misurato a 50 Ω" << said(Text::trimNoMinimum);
    QTest::newRow("a ripple is no minimum")
        << seven << QList<double>{3, 3.05, 3, 3.05, 3, 3.05, 3} << "7,1"
        << "nessun minimo di SWR nella scansione, misurato a 50 Ω" << said(Text::trimNoMinimum);
    QTest::newRow("still falling at the end: resonance above")
        << seven << QList<double>{5, 4, 3, 2.5, 2, 1.8, 1.7} << "7,3"
        << "SWR ancora in discesa alla fine della scansione (1,7 a 7,6 MHz): la risonanza è più in alto, "
           "misurato a 50 Ω"
        << said(Text::trimHighEdge, {"7,6"});
    QTest::newRow("lowest at the start: resonance below")
        << seven << QList<double>{1.7, 1.8, 2, 2.5, 3, 4, 5} << "7,3"
        << "SWR più basso all'inizio della scansione (1,7 a 7 MHz): la risonanza è più in basso, misurato a "
           "50 Ω"
        << said(Text::trimLowEdge, {"7"});
    QTest::newRow("a 20 m sweep for a 7,05 MHz dipole")
        << QList<double>{14.0, 14.1, 14.2, 14.3, 14.4} << QList<double>{3, 2, 1.2, 2, 3} << "7,05"
        << "SWR min 1,2 a 14,2 MHz, banda 2:1 200 kHz, misurato a 50 Ω"
        << said(Text::trimFarMinimum, {"10", "7,05", "14,2"});
}

void SweepTest::namesWhatTheSweepShows() {
    QFETCH(QList<double>, frequencies);
    QFETCH(QList<double>, swrs);
    QFETCH(QString, wanted);
    QFETCH(QString, summary);
    QFETCH(QString, trimming);
    const MeasuredSweep sweep = sweepOf(frequencies, swrs);
    const nec::MeasuredBand band = nec::measureBand(sweep, bandOver(sweep));
    QCOMPARE(QString::fromStdString(nec::measuredText(band, nullptr)), summary);
    // Only a dip is a resonance the model is compared with.
    QCOMPARE(band.resonanceMhz().has_value(), !band.minima.dips.empty());
    const nec::TrimmingMinimum filled = nec::trimmingMinimum(sweep, wanted.toStdString());
    QCOMPARE(QString::fromStdString(filled.figure.empty() ? filled.message : filled.figure), trimming);
    QVERIFY(filled.figure.empty() != filled.message.empty());
}

// A sweep that gives R and X follows the window's reference impedance; one
// that gives SWR only keeps its own and says which.
void SweepTest::followsTheReference_data() {
    QTest::addColumn<bool>("impedanceKnown");
    QTest::addColumn<double>("resistance");
    QTest::addColumn<double>("reference");
    QTest::addColumn<double>("swr");  // at every point afterwards
    QTest::addColumn<QString>("said");
    QTest::newRow("75 Ω load on 75 Ω") << true << 75.0 << 75.0 << 1.0 << "";
    QTest::newRow("50 Ω load on 450 Ω") << true << 50.0 << 450.0 << 9.0 << "";
    QTest::newRow("no resistance: the highest SWR, never infinite")
        << true << 0.0 << 50.0 << std::numeric_limits<double>::max() << "";
    QTest::newRow("a reference of no ohms changes nothing") << true << 75.0 << 0.0 << 1.5 << "";
    QTest::newRow("SWR only: kept, and its 50 Ω named")
        << false << 75.0 << 75.0 << 1.5 << ", misurato a 50 Ω";
}

void SweepTest::followsTheReference() {
    QFETCH(bool, impedanceKnown);
    QFETCH(double, resistance);
    QFETCH(double, reference);
    QFETCH(double, swr);
    QFETCH(QString, said);
    MeasuredSweep sweep = sweepOf({7.0, 7.1, 7.2}, {1.5, 1.5, 1.5});
    sweep.impedanceKnown = impedanceKnown;
    for (SweepPoint& point : sweep.points) point.resistance = resistance;
    const MeasuredSweep moved = nec::atReference(sweep, reference);
    QCOMPARE(moved.points.size(), sweep.points.size());
    for (const SweepPoint& point : moved.points) QVERIFY(qAbs(point.swr - swr) <= 1e-12 * swr);
    const std::string text = nec::measuredText(nec::measureBand(moved, bandOver(moved)), nullptr);
    QCOMPARE(QString::fromStdString(text).endsWith(" Ω"), !said.isEmpty());
    if (!said.isEmpty()) QVERIFY(QString::fromStdString(text).endsWith(said));
    QVERIFY(swrMinima(moved).none());
}

// The sample dipole, as CSV and as Touchstone, written where the README's
// pictures take it from (build/sweeps/): both read back to the same dip, its
// reactance crossing and 2:1 band, and the trimming window's figure.
void SweepTest::readsTheSampleDipole() {
    const std::filesystem::path folder = std::filesystem::path(SWEEP_SAMPLES_DIR);
    std::filesystem::create_directories(folder);
    const test::DipoleModel model;
    for (const char* name : {"dipolo-40m.csv", "dipolo-40m.s1p"}) {
        const std::filesystem::path path = folder / name;
        {
            std::ofstream out(path, std::ios::binary);
            if (path.extension() == ".csv")
                test::writeDipoleCsv(out, model, 6.8, 7.4, 201);
            else
                test::writeDipoleTouchstone(out, model, 6.8, 7.4, 201);
        }
        std::ifstream in(path, std::ios::binary);
        const SweepReading reading = readSweep(in, path.string());
        QVERIFY2(reading.ok(), reading.error.message.c_str());
        const MeasuredSweep& sweep = *reading.sweep;
        QCOMPARE(sweep.points.size(), std::size_t(201));
        const auto minimum = minimumSwr(sweep, 7.05);
        QVERIFY(minimum && minimum->isDip);
        QVERIFY(qAbs(minimum->frequencyMHz - 7.09) < 0.01);  // below resonance, where R is nearer 50
        QVERIFY(qAbs(minimum->swr - 1.24) < 0.03);
        const auto zeros = reactanceZeros(sweep);
        QCOMPARE(zeros.size(), std::size_t(1));
        QVERIFY(qAbs(zeros[0].frequencyMHz - 7.1) < 0.005);
        const auto band = swrBandwidth(sweep, minimum->frequencyMHz);
        QVERIFY(band && band->lowMHz && band->highMHz);
        QVERIFY(*band->highMHz - *band->lowMHz > 0.25 && *band->highMHz - *band->lowMHz < 0.35);
        const std::string figure = formatDouble(truncateDecimals(minimum->frequencyMHz, 3));
        QVERIFY2(figure.size() == 5 && figure.rfind("7,", 0) == 0, figure.c_str());
    }
}

// The trimming window's resonance, as the verification takes it: X = 0 where
// the sweep gives X, else the parabola through the lowest SWR, never the grid
// point; rounded as shown (7,09999 is 7,1); of several dips, the others named.
void SweepTest::takesTheResonanceAsTheVerificationDoes_data() {
    QTest::addColumn<QList<double>>("swrs");  // at 7,0 7,1 ... 7,6 MHz
    QTest::addColumn<QList<double>>("reactances");
    QTest::addColumn<QString>("filled");
    QTest::addRow("X = 0 between points") << QList<double>{3, 2, 1.3, 1.2, 1.3, 2, 3}
                                          << QList<double>{-30, -20, -10, -5, 5, 10, 20} << "7,3 | 7,35";
    QTest::addRow("X = 0 at 7,0999999")
        << QList<double>{3, 1.2, 3, 3, 3, 3, 3} << QList<double>{-9999, 0.001, 1, 2, 3, 4, 5} << "7,1 | 7,1";
    QTest::addRow("SWR only: the parabola")
        << QList<double>{3, 2.2, 1.4, 1.2, 1.8, 3, 4} << QList<double>{} << "7,3 | 7,275";
    QTest::addRow("two dips") << QList<double>{3, 1.5, 3, 3, 3, 1.5, 3} << QList<double>{}
                              << "7,45 | 7,5 | 7,1";
    QTest::addRow("three dips") << QList<double>{3, 1.5, 3, 1.4, 3, 1.5, 3} << QList<double>{}
                                << "7,25 | 7,3 | 7,1; 7,5";
}

// Columns: the wanted frequency typed | the figure filled in | the other dips named.
void SweepTest::takesTheResonanceAsTheVerificationDoes() {
    QFETCH(QList<double>, swrs);
    QFETCH(QList<double>, reactances);
    QFETCH(QString, filled);
    const QStringList expected = filled.split(" | ");
    const MeasuredSweep sweep = sweepOf({7.0, 7.1, 7.2, 7.3, 7.4, 7.5, 7.6}, swrs, reactances);
    const nec::TrimmingMinimum taken = nec::trimmingMinimum(sweep, expected[0].toStdString());
    QCOMPARE(QString::fromStdString(taken.figure), expected[1]);
    const QString note = QString::fromStdString(taken.note);
    QVERIFY(expected.size() == 2 ? note.isEmpty() : note.endsWith(expected[2] + " MHz."));
}

QTEST_APPLESS_MAIN(SweepTest)
#include "test_sweep.moc"
