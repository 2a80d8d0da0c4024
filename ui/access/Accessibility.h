#pragma once

namespace glimmerix {

class MainWindow;

// How assistive technology meets the game's own widgets: the board as a table of cells,
// the status row as a status bar, the announcer as a notification, the game-over window
// as a dialog. Installed once, before the first window shows.
void InstallAccessibility();

// Tells assistive technology what the game window shows as it changes: the cursor's cell
// as the focus, a cell's new gem or pick, a new score.
void ReportChanges(const MainWindow& window);

}  // namespace glimmerix
