#include "theory/neck.h"

namespace theory::neck {

double stringCentre(int string) {
    return kLowStringCentre + kStringPitch * string;
}

double stringCentre(int string, bool leftHanded) {
    return leftHanded ? mirroredX(stringCentre(string)) : stringCentre(string);
}

double rowCentre(int fret) {
    if (fret == 0) return (kOpenRowTop + kOpenRowBottom) / 2.0;
    return kFirstFretTop + kFretPitch * (fret - 1) + kFretRowHeight / 2.0;
}

}  // namespace theory::neck
