// The measured sweep beside the model: read from a file or taken from an
// analyser, shown at the window's reference impedance.

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/nec/coax.h"
#include "core/nec/measured.h"
#include "verify/VerificationSession.h"

namespace zeliro {

bool VerificationSession::setReferenceOhm(double referenceOhm) {
    if (!(referenceOhm > 0) || referenceOhm == m_referenceOhm) return false;
    m_referenceOhm = referenceOhm;
    showMeasured();
    return true;
}

bool VerificationSession::setFeedline(const nec::Feedline& line) {
    if (line == m_feedline) return false;
    m_feedline = line;
    showMeasured();
    return true;
}

// Taken back to the feed point first: the antenna's own impedance is then
// shown at the reference. A sweep that cannot be taken back is shown as
// measured, and says why.
void VerificationSession::showMeasured() {
    m_deembedFault.clear();
    if (!m_measured) return;
    const nec::FeedPointSweep fed = nec::toFeedPoint(*m_measured, m_feedline, m_language);
    if (!fed.sweep) m_deembedFault = fromStd(fed.error);
    m_shownMeasured = nec::atReference(fed.sweep ? *fed.sweep : *m_measured, m_referenceOhm);
}

std::vector<nec::ShackEndRow> VerificationSession::shackEnd(bool designResults) const {
    const auto& results = designResults ? m_shown.designResults : m_shown.results;
    if (!results || !(results->feedline.lengthM > 0) || !nec::feedlineError(results->feedline).empty())
        return {};
    return nec::atShackEnd(results->rows, results->feedline, m_referenceOhm);
}

std::string VerificationSession::measuredText(std::size_t band) const {
    if (!m_shownMeasured || band >= bands().size()) return {};
    const nec::BandResult* model = m_shown.results && band < m_shown.results->bandResults.size()
                                       ? &m_shown.results->bandResults[band]
                                       : nullptr;
    const std::string text =
        nec::measuredText(nec::measureBand(*m_shownMeasured, bands()[band]), model, m_language);
    // Said once, with the first band.
    if (band > 0) return text;
    if (!m_deembedFault.isEmpty()) return m_deembedFault.toStdString() + "\n" + text;
    const std::string through = m_feedline.lengthM > 0 ? nec::throughCableText(m_feedline, m_language) : "";
    return through.empty() ? text : "(" + through + ") " + text;
}

bool VerificationSession::loadMeasurement(const QString& path) {
    // A CSV that names no unit is read in the unit that puts it around the design.
    SweepHints hints;
    if (!m_bands.empty()) hints.expectedMHz = m_bands.front().designMhz;
    SweepReading reading = readSweepFile(QFile::encodeName(path).toStdString(), hints, m_language);
    if (!reading.ok()) {
        emit fault(fromStd(reading.error.message), Field::none);
        return false;
    }
    const std::string unit = assumedUnitText(*reading.sweep, m_language);
    takeMeasurement(*reading.sweep,
                    QFileInfo(path).fileName() + (unit.empty() ? "" : " (" + fromStd(unit) + ")"));
    return true;
}

void VerificationSession::takeMeasurement(const MeasuredSweep& sweep, const QString& name) {
    m_measured = sweep;
    showMeasured();
    m_measuredName = name;
    emit measurementChanged();
}

QString VerificationSession::saveText(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.commit())
        return file.errorString().isEmpty() ? tr("errore di scrittura") : file.errorString();
    return {};
}

}  // namespace zeliro
