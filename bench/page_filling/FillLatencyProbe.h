#pragma once

#include "ui/main_window/SubmitterDlg.h"

#include <vector>

class CBrowserCtrl;
class QListView;

// Opens one directory's page again and again through the main window, as a user picking it in
// the list would, and times each automatic fill: from the page's document being ready until
// every field is set, as the page itself measures and reports in its title.
class FillLatencyProbe
{
public:
    // Finds the window's list and browser by their object names, as a user finds them.
    explicit FillLatencyProbe(CSubmitterDlg& window);

    // Milliseconds per load; empty when a load or a fill did not finish in time.
    std::vector<double> Measure(int loads);

private:
    // Opens the selected directory again and adds the fill's time; false when it never came.
    bool MeasureOne(std::vector<double>& latencies);

    QListView* m_directoryList;
    CBrowserCtrl* m_browser;
};
