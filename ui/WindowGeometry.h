#pragma once
// The main window's arrangement in pixels: the controls' area with its three
// option columns, the status bar, and the preview's areas that the grown
// window adds right of the controls and below them.

#include <QSize>

namespace zerb::geometry {

// The client area of the bare controls, status bar included.
constexpr int ClientWidth = 408;
constexpr int ClientHeight = 309;
constexpr int ColumnWidth = 98;
constexpr int Column[3] = {7, 117, 228};
constexpr int StatusHeight = 19;
// The controls' area above the status bar.
constexpr int ControlsWidth = ClientWidth;
constexpr int ControlsHeight = ClientHeight - StatusHeight;
// The row under the controls that names the last run's output.
constexpr int OutcomeHeight = 24;
// The window once it shows a preview: its first size and its least (both
// bounded by the screen's free area).
constexpr QSize GrownSize(1100, 700);
constexpr QSize GrownMinimum(780, 480);
// Right of the controls: the plot's tools, the notes on the open log, the
// heading of the readings table and the table's height.
constexpr int ToolsHeight = 26;
constexpr int NotesHeight = 20;
constexpr int HeadingHeight = 16;
constexpr int ReadingsLeast = 80;
constexpr int ReadingsMost = 240;

}  // namespace zerb::geometry
