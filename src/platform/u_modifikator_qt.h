#pragma once
// The keyboard modifier level the CAD views use as magnification.
#include <Qt>

inline int Modifikatorstufe(Qt::KeyboardModifiers tasten)
{
    if (tasten & Qt::ControlModifier)
        return 5;
    if (tasten & Qt::ShiftModifier)
        return 2;
    return 1;
}
