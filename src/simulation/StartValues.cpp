#include "simulation/StartValues.h"

#include "core/Elements.h"
#include "core/HandsetScreens.h"

namespace loopsim {

void loadStartValues(SimContext& context, const SettingsStore* settings) {
    SimulationState& s = context.state;
    static const MemorySettingsStore kNoSettings;
    const SettingsStore& store = settings ? *settings : kNoSettings;

    s.CalibrationCount = 0;
    s.HandsetScreens = fixedHandsetScreens();

    s.ScrubberMinutes = readStoredNumber(store, kScrubberSetting);
    s.LeftHandset.OnMinutes = readStoredNumber(store, kLeftTimerSetting);
    s.LeftHandset.BatteryVolts = readStoredNumber(store, kLeftBatterySetting);
    s.RightHandset.BatteryVolts = readStoredNumber(store, kRightBatterySetting);

    s.DepthStep = 1;
    s.Mouthpiece = MouthpieceState::Closed;
    s.Breathing = 0;
    s.Depth = 0;
    s.AmbientPressure = 1013;
    s.OxygenAnalysis = 100;
    s.MetabolicRate = 1;
    for (HandsetState* handset : {&s.LeftHandset, &s.RightHandset}) {
        handset->UnitOn = 0;
        handset->IsMaster = 0;
        handset->Brightness = 30;
    }
    s.CounterlungVolume = 20;
    s.SoundEnabled = 1;
    s.LoopPO2 = 0.21;
    s.LoopCapacity = 16;
    s.OxygenValve = ValveState::Off;
    s.DiluentValve = ValveState::Off;
    context.view.element(elements::kOxygenValveState).setVisible(false);
    context.view.element(elements::kDiluentValveState).setVisible(false);
    s.SolenoidState = SolenoidCondition::Normal;

    // Each cell's in-air output has a random part; its offset is random in size and sign.
    const double airBase[] = {0, 10.2, 11.0, 9.1};
    for (int cell = 1; cell <= 3; ++cell) {
        s.OxygenCells[cell].AirMillivolts = airBase[cell] + context.random.next();
        s.OxygenCells[cell].Millivolts = 5;
    }
    for (int cell = 1; cell <= 3; ++cell)
        s.OxygenCells[cell].OffsetMillivolts = static_cast<float>(context.random.next());
    for (int cell = 1; cell <= 3; ++cell)
        if (context.random.next() >= 0.5)
            s.OxygenCells[cell].OffsetMillivolts = -s.OxygenCells[cell].OffsetMillivolts;
    for (int cell = 1; cell <= 3; ++cell)
        s.CellDrift[cell] = 0;

    s.LeftHandset.CellPO2 = {0, 0.21, 0.2, 0.21};
    s.RightHandset.CellPO2 = {0, 0.2, 0.21, 0.21};
    s.LeftHandset.CellFactor = {0, 0.02058, 0.01818, 0.02307};
    s.RightHandset.CellFactor = {0, 0.0196, 0.01909, 0.02307};
    for (HandsetState* handset : {&s.LeftHandset, &s.RightHandset}) {
        handset->HighSetpoint = 1.3;
        handset->LowSetpoint = 0.7;
    }
    s.CalPressure = 1000;
    s.CalOxygenPercent = 100;
    s.DisplayColour = {30, 100, 30};
    context.view.element(elements::kLeftHandset.backlight).setFill(s.DisplayColour);
    context.view.element(elements::kRightHandset.backlight).setFill(s.DisplayColour);
    s.ActiveSetpoint = 0.7;
    s.DarkAtDepth = 0;
    s.SlowCell = 0;
    s.AdvFailed = 0;
    s.DiluentInjectorFailed = 0;
    s.OxygenInjectorFailed = 0;
    s.AdvFreeFlow = 0;
    s.DiluentInjectorStuckOn = 0;
    s.OxygenInjectorStuckOn = 0;
    s.RecordIndex = 0;

    s.DisclaimerAccepted = 1;
}

}  // namespace loopsim
