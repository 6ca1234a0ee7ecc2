// The entry of the verification module (libzeliro_verify.so).

#include "frame/Look.h"
#include "frame/Verification.h"
#include "verify/frmVERIFICA.h"

extern "C" __attribute__((visibility("default"))) QWidget* zeliroOpenVerification(
    QWidget* opener, QWidget* existing, const zeliro::VerificationRequest& request) {
    static const bool fonts = [] {
        zeliro::installFontSubstitutes();
        return true;
    }();
    (void)fonts;
    if (auto* window = qobject_cast<zeliro::frmVERIFICA*>(existing)) {
        window->setRequest(request);
        return window;
    }
    return new zeliro::frmVERIFICA(opener, request);
}
