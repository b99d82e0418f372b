// bench_grid: runs the grid workloads named on the command line (all of them by default) and
// ends with one line per figure and its goal.
//
//   bench_grid [--rows N] [--window] [build] [access] [geometry] [paint] [sort] [file] [peers]
//
// peers runs the nine workloads shared with other grid controls (peers.cpp) and prints their
// "qctl ..." lines at the very end; it runs only when named.
// --rows sets the rows of every large grid (1,000,000 by default); --window makes the file
// workload load into a grid window (100,000 rows unless --rows is given).
#include "bench_grid.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace gridbench
{
namespace
{
class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp(NULL) {}
};
CBenchApp theApp;

struct Recorded
{
    std::string workload, name, note;
    double value, goal;
    bool bAtLeast; // the goal is a least value
};
std::vector<Recorded> g_figures;

const struct
{
    const char* name;
    void (*run)(const Options&);
} kWorkloads[] = {
    {"build", BuildWorkload}, {"access", AccessWorkload}, {"geometry", GeometryWorkload},
    {"paint", PaintWorkload}, {"sort", SortWorkload},     {"file", FileWorkload},
};
// The workloads shared with other grid controls; run only when named.
const char kPeers[] = "peers";

int Usage()
{
    std::printf("usage: bench_grid [--rows N] [--window] [workload...]\nworkloads:");
    for (const auto& w : kWorkloads)
        std::printf(" %s", w.name);
    std::printf(" %s\n", kPeers);
    return 2;
}

// One line per figure: workload, figure, value, goal and whether it is met.
int PrintFigures()
{
    int nMissed = 0;
    std::printf("\n%-9s %-44s %9s  %-10s %s\n", "workload", "figure", "value", "goal", "");
    for (const Recorded& f : g_figures)
    {
        if (f.goal <= 0)
        {
            std::printf("%-9s %-44s %9.2f  %-10s (%s)\n", f.workload.c_str(), f.name.c_str(), f.value, "-",
                        f.note.c_str());
            continue;
        }
        bool bMet = f.bAtLeast ? f.value >= f.goal : f.value <= f.goal;
        nMissed += bMet ? 0 : 1;
        char goal[32];
        std::snprintf(goal, sizeof(goal), "%s %g", f.bAtLeast ? ">=" : "<=", f.goal);
        std::printf("%-9s %-44s %9.2f  %-10s %-7s (%s)\n", f.workload.c_str(), f.name.c_str(), f.value, goal,
                    bMet ? "met" : "MISSED", f.note.c_str());
    }
    std::printf("%d figure(s), %d goal(s) missed\n", (int)g_figures.size(), nMissed);
    return nMissed;
}
} // namespace

void Figure(const char* pszWorkload, const char* pszName, double value, double goal, const char* pszNote)
{
    g_figures.push_back({pszWorkload, pszName, pszNote, value, goal, false});
    std::fflush(stdout);
}

void FigureAtLeast(const char* pszWorkload, const char* pszName, double value, double goal,
                   const char* pszNote)
{
    g_figures.push_back({pszWorkload, pszName, pszNote, value, goal, true});
    std::fflush(stdout);
}
} // namespace gridbench

int main(int argc, char** argv)
{
    using namespace gridbench;
    Options opt;
    std::vector<void (*)(const Options&)> chosen;
    for (int i = 1; i < argc; i++)
    {
        if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc)
        {
            opt.nRows = std::atoi(argv[++i]);
            opt.bRowsGiven = true;
            if (opt.nRows < 100)
                return Usage();
            continue;
        }
        if (std::strcmp(argv[i], "--window") == 0)
        {
            opt.bWindow = true;
            continue;
        }
        bool bFound = false;
        if (std::strcmp(argv[i], kPeers) == 0)
        {
            chosen.push_back(PeersWorkload);
            bFound = true;
        }
        for (const auto& w : kWorkloads)
            if (std::strcmp(argv[i], w.name) == 0)
            {
                chosen.push_back(w.run);
                bFound = true;
            }
        if (!bFound)
            return Usage();
    }
    if (chosen.empty())
        for (const auto& w : kWorkloads)
            chosen.push_back(w.run);

    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL))
    {
        std::printf("the framework layer did not start\n");
        return 2;
    }
    theApp.InitApplication();
    theApp.InitInstance();
    for (auto run : chosen)
    {
        run(opt);
        std::printf("\n");
        std::fflush(stdout);
    }
    theApp.ExitInstance();
    AfxWinTerm();
    PrintFigures();
    PrintPeerLines();
    return 0;
}
