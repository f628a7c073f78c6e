#include "core/HandsetScreens.h"

namespace loopsim {

std::array<std::string, kScreenCount> fixedHandsetScreens() {
    std::array<std::string, kScreenCount> screens;
    screens[1] = "  K.T.Varnel    Calvendrite  ";
    screens[3] = "       DIVE NOW ?        Confirm    ";
    screens[4] = "        SLAVE          Waiting for Data    ";
    screens[6] = " BATTERY WARNING     REPLACE   ";
    screens[7] = "        DIVE NOW?    YES                      NO ";
    screens[8] = "       LOW BATTERY       REPLACE    ";
    screens[9] = "        NO DIVE    ";
    screens[12] = "                                        NO DIVE    ";
    screens[13] = "     CHECK DILUENT!      Confirm    ";
    screens[14] = "      CALIBRATE ?      YES                     NO ";
    screens[15] = "   MUST CALIBRATE!      YES                     NO ";
    screens[16] = "    OPEN O2 VALVE  Confirm";
    screens[20] = "    Open Mouthpiece!     Confirm";
    screens[21] = "     OPEN O2 VALVE!        Confirm";
    screens[23] = "          NO OXYGEN            Check Valve  ";
    screens[24] = "     NO CALIBRATION   ";
    screens[25] = "       NO DIVE       ";
    screens[26] = "      CELL STUCK       ";
    screens[28] = "      OUT OF RANGE     ";
    screens[30] = "      NO DIVE       ";
    screens[31] = "     NO CALIBRATION    ";
    screens[32] = "   CALIBRATING  ";
    screens[33] = "   CALIBRATING  ";
    screens[34] = "   CALIBRATING  ";
    screens[44] = "      RESET NOW     Yes                         No  ";
    screens[53] = "  RESET OTHER UNIT  ";
    screens[54] = "    LOW BATTERY    ";
    return screens;
}

}  // namespace loopsim
