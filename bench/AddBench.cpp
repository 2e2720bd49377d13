// One "Add" on the Armor page: appending one composed statement to the
// page's output pane, when the pane is empty, half full and has room for
// exactly one more statement. The pane is the real one, inside the shown
// window, so that its font, width and style are the program's own.
//
// Only the append is timed. Afterwards, outside the timed region, the append
// is undone and the repaint it asked for is delivered, so that every
// iteration starts from the same, laid out pane.

#include "OffscreenApplication.h"
#include "PageTexts.h"
#include "RecordPage.h"
#include "Statement.h"
#include "TRichEdit.h"
#include "Unit1.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

TMain *g_window = nullptr;

TRichEdit &ArmorPane()
{
    return *g_window->findChild<TRichEdit *>(u"ArmorSQL"_qs);
}

QString ArmorLine()
{
    return composer::ComposeStatement(composer::kArmorPage.statement, TypicalTexts(composer::kArmorPage));
}

// Fills the empty pane with statements until it holds at least `target`
// characters, or until one more statement after the next one would no longer
// fit.
void Fill(TRichEdit &pane, const QString &line, qsizetype target)
{
    pane.clear();
    const qsizetype step = line.size() + 1;
    while (pane.length() < target && pane.length() + 2 * step <= TRichEdit::kCapacity)
        pane.addLine(line);
    QCoreApplication::processEvents();
}

void Add(benchmark::State &state, qsizetype target)
{
    TRichEdit &pane = ArmorPane();
    const QString line = ArmorLine();
    Fill(pane, line, target);
    const qsizetype before = pane.length();

    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const bool added = pane.addLine(line);
        const Clock::time_point end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (!added) {
            state.SkipWithError("the pane refused the statement");
            break;
        }
        pane.document()->undo();
        QCoreApplication::processEvents();
        if (pane.length() != before) {
            state.SkipWithError("undoing the append did not restore the pane");
            break;
        }
    }
    state.counters["pane_chars"] = double(before);
    state.counters["free_chars"] = double(TRichEdit::kCapacity - before);
    pane.clear();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    OffscreenApplication application(argc, argv);
    auto window = std::make_unique<TMain>();
    window->show();
    QCoreApplication::processEvents();
    g_window = window.get();

    benchmark::RegisterBenchmark("Add/Empty", Add, qsizetype(0))->UseManualTime();
    benchmark::RegisterBenchmark("Add/HalfFull", Add, TRichEdit::kCapacity / 2)->UseManualTime();
    benchmark::RegisterBenchmark("Add/NearlyFull", Add, TRichEdit::kCapacity)->UseManualTime();
    return RunBenchmarks();
}
