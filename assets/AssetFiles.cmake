# The files loopsim-assetgen writes, for the build's dependency tracking. The assets tests
# check this list against the generator's own tables.
set(LOOPSIM_PICTURE_FILES
    HSOn.jpg HSOff.jpg HSLeft.jpg HSMid.jpg HSRight.jpg HSBothOuter.jpg HSBothRight.jpg
    HSLineOuters.jpg HSLineRights.jpg MouthO.jpg MouthC.jpg RegulatorLarge.jpg
    RegulatorSmall.jpg BailOut.jpg O2Valve.jpg DiluentValve.jpg O2Butt.jpg DiluentButt.jpg
    ManualAddMissing.jpg AdvButt.jpg Dump.jpg DumpFail.jpg Counterlung.jpg ArrowUp.jpg
    ArrowDown.jpg Unit.jpg LogoOrganisation.jpg LogoSimulator.jpg)
set(LOOPSIM_SOUND_FILES
    Turnonr.wav CLICK.wav DoubleBeep.wav alarm.wav LowO2.wav shorthiss.wav longhiss.wav
    longthiss.wav injector.wav injectorshort.wav bubbles.wav)
