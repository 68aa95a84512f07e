// The Smith chart window of the application: "Carta di Smith" in the "Visualizza" menu (Ctrl+M). The
// window is made on first use, stands beside the main window and follows the window model live: after
// every change of the model it shows the markers and the line's path as they stand, the band of a sweep
// imported into the line panel, and the L-network designs for the impedance chosen in "Adattamento".
#pragma once

class QAction;

namespace app {

class MainWindow;
class ChartWindow;

// Adds the menu item and its shortcut to the window. Nothing is remembered from one start to the next.
void installSmithChart(MainWindow& window);

// The chart window of an application window: opened (made, filled, shown and raised) by open, and null
// from chartOf before it was first opened.
ChartWindow* openSmithChart(MainWindow& window);
ChartWindow* smithChartOf(MainWindow& window);

} // namespace app
