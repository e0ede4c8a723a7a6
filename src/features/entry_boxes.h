#pragma once

#include <QString>

#include "config/numeric_entry.h"

class Session;

// The number boxes of the analog, digital and support-point pages. Each
// editor takes what is typed into its own boxes and gives back what the box
// shows afterwards; a value that needs it is checked and refused with a message.
enum class Box {
    MEW,
    Schleich,
    MOG,
    FrequenzMin,
    FrequenzMax,
    ImpWert,
    SchaltMin,
    SchaltMax,
    StpCounts,
    StpFlow
};

QString boxName(Box b);

// Puts what was typed into a configuration box in the form the box keeps it.
// An empty box clears its new-value label and keeps the focus; the entry says
// what the box now holds.
NumericEntry enterNumber(Session& core, Box b, const QString& typed);

// The support-point boxes take a comma as a period; counts stop at 4095.
QString enterPoint(Session& core, Box b, const QString& typed);
