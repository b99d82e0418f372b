// The grid benchmark suite: one program, one workload per source file. Each workload prints its
// details as it goes and records its figures; the program ends with one line per figure next to
// its goal.
#pragma once

#include "qctl.h"

#include <chrono>

namespace gridbench
{
using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// What the command line chose.
struct Options
{
    int nRows = 1000000;  // rows of the large grids (the file workload's default too)
    bool bWindow = false; // file workload: load into a grid window (100,000 rows unless --rows)
    bool bRowsGiven = false;
};

// Records a figure: a value that should stay at or below its goal (a ratio, or bytes per cell).
// pszNote says what the value divides or measures; a goal <= 0 records a figure without a goal.
void Figure(const char* pszWorkload, const char* pszName, double value, double goal, const char* pszNote);
// The same for a figure whose goal is a least value.
void FigureAtLeast(const char* pszWorkload, const char* pszName, double value, double goal,
                   const char* pszNote);

// The workloads.
void BuildWorkload(const Options& opt);    // SetRowCount/SetColumnCount against plain allocation
void AccessWorkload(const Options& opt);   // single-property access, small grid against large
void GeometryWorkload(const Options& opt); // geometry on the last page against the top
void PaintWorkload(const Options& opt);    // full repaint of the last page against the top
void SortWorkload(const Options& opt);     // SortTextItems against std::sort
void FileWorkload(const Options& opt);     // Save and Load against plain stdio
void PeersWorkload(const Options& opt);    // the nine workloads shared with other grid controls
void PrintPeerLines();                     // their result lines, once more, at the end
} // namespace gridbench
