#pragma once

#include <QtGlobal>

// The live-value cycle as the link drives it: the reply handler switches the
// counts timer and hands every valid counts reply on.
class Messzyklus {
public:
    virtual ~Messzyklus() = default;
    virtual void setzeCountsTimer(bool an) = 0;
    virtual void countsErhalten(quint8 high, quint8 low) = 0;
};
