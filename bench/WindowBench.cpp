// Building the main window up to its first paint: construct it, show it and
// run the event loop until the window has been painted. Destroying it is not
// timed. The application object and the style are set up once, before any
// benchmark, as the program does before it builds its window.

#include "OffscreenApplication.h"
#include "Unit1.h"

#include <QElapsedTimer>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Notes the first paint event that reaches the watched window.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void Destroy(std::unique_ptr<TMain> &window)
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Returns false when no paint came within a few seconds.
bool WaitForPaint(const PaintWatch &watch)
{
    QElapsedTimer waited;
    waited.start();
    // The paint event of the window is delivered inside one repaint of the
    // whole window, children included, which has ended by the time
    // processEvents returns.
    while (!watch.painted && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return watch.painted;
}

// Construction alone: every page, every control and its default text.
void Construct(benchmark::State &state)
{
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        auto window = std::make_unique<TMain>();
        const Clock::time_point end = Clock::now();
        state.SetIterationTime(Seconds(end - start));
        Destroy(window);
    }
}

// Construction, show and the first paint.
void FirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        PaintWatch watch;
        const Clock::time_point start = Clock::now();
        auto window = std::make_unique<TMain>();
        window->installEventFilter(&watch);
        window->show();
        const bool painted = WaitForPaint(watch);
        const Clock::time_point end = Clock::now();
        state.SetIterationTime(Seconds(end - start));
        Destroy(window);
        if (!painted) {
            state.SkipWithError("the window was not painted");
            break;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    OffscreenApplication application(argc, argv);

    // The very first window of the process also pays for what Qt sets up on
    // first use (font fallbacks, style caches); its figure is reported apart.
    benchmark::RegisterBenchmark("Window/FirstPaint/FirstInProcess", FirstPaint)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(1);
    benchmark::RegisterBenchmark("Window/Construct", Construct)->UseManualTime();
    benchmark::RegisterBenchmark("Window/FirstPaint", FirstPaint)->UseManualTime();
    return RunBenchmarks();
}
