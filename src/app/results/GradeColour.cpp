#include "app/results/GradeColour.h"

namespace loopsim {

QColor gradeColour(Grade grade) {
    switch (grade) {
        case Grade::Good:
            return QColor(0x2a, 0x9d, 0x3a);
        case Grade::Fair:
            return QColor(0xe0, 0xa0, 0x00);
        case Grade::Poor:
            return QColor(0xc0, 0x20, 0x20);
        case Grade::Note:
            break;
    }
    return QColor(0xbb, 0xbb, 0xbb);
}

}  // namespace loopsim
