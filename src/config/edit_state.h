#pragma once

// The edit state of the configuration pages.
struct EditState {
    int Listensperre = 0;        // the list handlers do nothing while it is set
    float Impulswertigkeit = 0;  // amount per pulse in the unit's own time base
};
