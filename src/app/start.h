#pragma once

#include <QStringList>

#include "core/language.h"

class QWidget;

namespace zeliro {

// Before the QApplication is made: has the system's font configuration read
// on another core while Qt starts, so that the splash draws sooner. start()
// works without it.
void prepareStart();

// Starts the program: makes the window registry of this run, shows the splash
// window and returns it. Needs a QApplication. A second call starts afresh,
// closing whatever the previous run left open. Without a language the program
// speaks Italian; in English it loads its translation, in Italian Qt's own
// Italian texts.
QWidget* start();
QWidget* start(Language language);

// The language the command line (without the program's name), the LANGUAGE
// variable and the system's UI languages choose, in that order.
Language languageAtStart(const QStringList& arguments);

}  // namespace zeliro
