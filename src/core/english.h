#pragma once
// The English column of every text the core makes: the data reports, the
// words the calculations write into labels, and the read-me and information
// texts. Only the core's own files include this header: callers choose the
// language through the `language` of an input, or a Language argument.

#include <string>
#include <string_view>
#include <vector>

#include "core/coilconstruction.h"
#include "core/halfwave.h"
#include "core/loadingcoil.h"
#include "core/texts.h"
#include "core/trapdipole.h"
#include "core/trimming.h"

namespace zeliro::english {

// Dipole configurations, as the reports name them.
inline constexpr const char* horizontal = "HORIZONTAL";
inline constexpr const char* invertedV = "INVERTED V";
inline constexpr const char* horizontalInBrackets = "(HORIZONTAL)";
inline constexpr const char* invertedVInBrackets = "(INVERTED V)";

// The trimming verdicts: shorten, lengthen, leave it.
inline constexpr const char* shortenVerdict = "SHORTEN IT by cm";
inline constexpr const char* lengthenVerdict = "LENGTHEN IT by cm";
inline constexpr const char* unchangedVerdict = "LEAVE IT AS IT IS";

inline constexpr std::string_view calculatorError = "Error";
inline constexpr const char* version = "Version";

inline constexpr const char* enamelledCoilPhotoCaption = "Enamel wire coil";
inline constexpr const char* coaxTrapPhotoCaption = "Trap wound with coaxial cable";

std::vector<std::string> halfWaveReport(const HalfWaveReportInput& input);
std::vector<std::string> trimmingReport(const TrimmingReportInput& input);
std::vector<std::string> trapDipoleReport(const TrapDipoleScreen& screen, const std::string& designation);
std::vector<std::string> loadingCoilReport(const LoadingCoilReportInput& input);
std::vector<std::string> coilConstructionReport(const CoilConstructionReportInput& input);

TextWindowTexts informationTexts();
TextWindowTexts halfWaveReadMe();
TextWindowTexts trimmingReadMe();
TextWindowTexts loadingCoilReadMe();
TextWindowTexts coilConstructionReadMe();
TextWindowTexts twoBandReadMe();

}  // namespace zeliro::english
