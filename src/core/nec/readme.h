#pragma once
// The read-me of the verification window: what each option means, what each
// button does and where the simulation stops being a guide.

#include "core/language.h"
#include "core/texts.h"

namespace zeliro::nec {

TextWindowTexts verificationReadMe(Language language);

}  // namespace zeliro::nec
