// The entries of the verification module (libzeliro_verify.so).

#include "analyser/frmANALIZZATORE.h"
#include "frame/Look.h"
#include "frame/Verification.h"
#include "verify/frmVERIFICA.h"

namespace {

// The fonts the module's windows are drawn with, once.
void installFontsOnce() {
    static const bool fonts = [] {
        zeliro::installFontSubstitutes();
        return true;
    }();
    (void)fonts;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) QWidget* zeliroOpenVerification(
    QWidget* opener, QWidget* existing, const zeliro::VerificationRequest& request) {
    installFontsOnce();
    if (auto* window = qobject_cast<zeliro::frmVERIFICA*>(existing)) {
        window->setRequest(request);
        return window;
    }
    return new zeliro::frmVERIFICA(opener, request);
}

extern "C" __attribute__((visibility("default"))) QWidget* zeliroOpenAnalyser(
    const zeliro::AnalyserRequest& request) {
    installFontsOnce();
    return zeliro::openAnalyser(request);
}
