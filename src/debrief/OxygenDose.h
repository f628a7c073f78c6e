// The oxygen dose of breathing a PO2 for a while, in the two measures divers plan with.
//
// CNS %: the share of the single-exposure time limit used up. The limits are the NOAA
// table (minutes at PO2: 0.6 bar 720, 0.7 570, 0.8 450, 0.9 360, 1.0 300, 1.1 240,
// 1.2 210, 1.3 180, 1.4 150, 1.5 120, 1.6 45). Between two rows the limit is interpolated
// linearly in PO2; from 0.5 up to 0.6 bar the 0.6 row holds, above 1.6 bar the 1.6 row.
// At 0.5 bar and below nothing counts.
//
// OTU (oxygen tolerance units, whole-body toxicity): minutes × ((PO2 − 0.5) / 0.5)^(5/6)
// above 0.5 bar, nothing at or below it.
#pragma once

namespace loopsim {

// Minutes a PO2 may be breathed in one exposure; none (0) at or below 0.5 bar.
double cnsLimitMinutes(double po2);
// CNS % per minute at the PO2.
double cnsPercentPerMinute(double po2);
// OTU per minute at the PO2.
double otuPerMinute(double po2);

}  // namespace loopsim
