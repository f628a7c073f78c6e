# The layers of the program, lowest first, and which layers each one's files may include.
# A layer is the folder of its name under src/. The build makes each plain layer a static
# library that sees only its own headers and those of the layers below it, and the include
# check (tests/layers) holds every file's #include lines to this table.
set(LOOPSIM_PLAIN_LAYERS core loop instructor electronics handset simulation files debrief
    export drills station)

set(LOOPSIM_LAYER_core_INCLUDES core)
set(LOOPSIM_LAYER_loop_INCLUDES core loop)
set(LOOPSIM_LAYER_instructor_INCLUDES core instructor)
set(LOOPSIM_LAYER_electronics_INCLUDES core instructor electronics)
set(LOOPSIM_LAYER_handset_INCLUDES core electronics handset)
set(LOOPSIM_LAYER_simulation_INCLUDES core loop instructor electronics handset simulation)
set(LOOPSIM_LAYER_files_INCLUDES ${LOOPSIM_LAYER_simulation_INCLUDES} files)
set(LOOPSIM_LAYER_debrief_INCLUDES ${LOOPSIM_LAYER_files_INCLUDES} debrief)
set(LOOPSIM_LAYER_export_INCLUDES ${LOOPSIM_LAYER_debrief_INCLUDES} export)
set(LOOPSIM_LAYER_drills_INCLUDES ${LOOPSIM_LAYER_debrief_INCLUDES} drills)
set(LOOPSIM_LAYER_station_INCLUDES ${LOOPSIM_LAYER_drills_INCLUDES} station)

# The runner and the Qt window layer stand side by side on top of every plain layer. The
# instructor station's web transport (Qt Core and Network, no widgets) stands on the runner:
# it serves a run the runner's way; the window uses it too.
set(LOOPSIM_LAYER_headless_INCLUDES ${LOOPSIM_PLAIN_LAYERS} headless)
set(LOOPSIM_LAYER_stationweb_INCLUDES ${LOOPSIM_PLAIN_LAYERS} headless stationweb)
set(LOOPSIM_LAYER_app_INCLUDES ${LOOPSIM_PLAIN_LAYERS} stationweb app)

set(LOOPSIM_LAYERS ${LOOPSIM_PLAIN_LAYERS} headless stationweb app)
