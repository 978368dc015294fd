# The rooms of the tree and, for each, the rooms below it whose headers its
# code may include: the one written record of the layering. An include of
# any other room fails the rooms_layering test (cmake/CheckRooms.cmake),
# which reads this file. Headers without a folder ("ProjectVersion.h") are
# generated into the build and open to every room.
#
# A room's own subfolders belong to it (history/postgres/ is history).
# A folder with source code that is not listed here fails the check too, so
# that a new room takes its place in the graph before it grows.

set(ZERB_ROOMS system sensor model series summary classic zones styles app history watch tools chart cli ui plot python bench fuzz tests)

set(ZERB_ROOM_system_SEES)
set(ZERB_ROOM_sensor_SEES)
set(ZERB_ROOM_model_SEES sensor)
set(ZERB_ROOM_series_SEES model sensor)
set(ZERB_ROOM_summary_SEES series model sensor)
set(ZERB_ROOM_classic_SEES series model sensor)
set(ZERB_ROOM_zones_SEES)
set(ZERB_ROOM_styles_SEES summary classic series model sensor zones system)
set(ZERB_ROOM_app_SEES summary styles classic series model sensor system)
set(ZERB_ROOM_history_SEES app summary styles classic series model sensor system)
set(ZERB_ROOM_watch_SEES history app styles classic series model sensor system)
set(ZERB_ROOM_tools_SEES model sensor)
set(ZERB_ROOM_chart_SEES styles series model sensor)
set(ZERB_ROOM_cli_SEES watch history app summary styles classic series model sensor system)
set(ZERB_ROOM_ui_SEES chart history summary app styles classic series model sensor system)
set(ZERB_ROOM_plot_SEES chart history app styles classic series model sensor system)
set(ZERB_ROOM_python_SEES history app summary styles classic series model sensor system)
# What measures or tests the rooms sees all of them.
set(ZERB_ROOM_bench_SEES ALL)
set(ZERB_ROOM_fuzz_SEES ALL)
set(ZERB_ROOM_tests_SEES ALL)

# Folders that hold no code of a room.
set(ZERB_NOT_ROOMS build cmake docs packaging samples)
