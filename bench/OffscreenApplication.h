#pragma once

#include "TApplication.h"
#include "TStyleManager.h"

#include <benchmark/benchmark.h>

#include <string>

// The program's own application object, its font and the Carbon style, on
// the offscreen platform: what a benchmark of the window measures against.
class OffscreenApplication : public TApplication {
public:
    OffscreenApplication(int &argc, char **argv) : TApplication(offscreen(argc), argv)
    {
        TStyleManager::TrySetStyle(u"Carbon"_qs, false);
    }

private:
    // The platform has to be chosen before the application object exists.
    static int &offscreen(int &argc)
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};

// Runs the registered benchmarks, noting the style they ran in.
inline int RunBenchmarks()
{
    const QString style = TStyleManager::activeStyle();
    benchmark::AddCustomContext("style", style.isEmpty() ? std::string("none") : style.toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
