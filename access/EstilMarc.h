#pragma once

#include <QColor>

// The look of the scanning frame: two bands, a dark one outside and a bright
// one inside, so that the frame stands out on the light keys and on the dark
// window edge alike.
struct EstilMarc {
    static constexpr int NombreColors = 3;
    static constexpr int NombreGruixos = 3;

    QColor fora;
    QColor dins;
    int gruix; // both bands, in pixels

    // 0: black and yellow (the program's usual frame); 1: black and red;
    // 2: blue and orange, which learners with red-green colour blindness
    // tell apart from each other and from the grey keys. Widths 6, 10, 14.
    static EstilMarc de(int color, int gruix);
};
