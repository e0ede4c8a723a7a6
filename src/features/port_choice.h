#pragma once

#include "session/session.h"

// The port frame: choosing the serial port by its number, the printer port,
// and taking the choice, which opens the port and checks the connection.
class PortChoice {
public:
    explicit PortChoice(Session& core);

    void choosePort(int index);
    void chooseParallelPort(int index);
    void confirmPort();
    void configurePort();

private:
    Session& core_;
};
