// The measured sweep beside the model: read from a file or taken from an
// analyser, shown at the window's reference impedance.

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/nec/measured.h"
#include "verify/VerificationSession.h"

namespace zeliro {

bool VerificationSession::setReferenceOhm(double referenceOhm) {
    if (!(referenceOhm > 0) || referenceOhm == m_referenceOhm) return false;
    m_referenceOhm = referenceOhm;
    if (m_measured) m_shownMeasured = nec::atReference(*m_measured, m_referenceOhm);
    return true;
}

std::string VerificationSession::measuredText(std::size_t band) const {
    if (!m_shownMeasured || band >= bands().size()) return {};
    const nec::BandResult* model = m_shown.results && band < m_shown.results->bandResults.size()
                                       ? &m_shown.results->bandResults[band]
                                       : nullptr;
    return nec::measuredText(nec::measureBand(*m_shownMeasured, bands()[band]), model, m_language);
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
    m_shownMeasured = nec::atReference(sweep, m_referenceOhm);
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
