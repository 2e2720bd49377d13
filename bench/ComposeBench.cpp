// Composing one record page's statement from a typical set of input texts,
// as "Add" does before it appends the line.

#include "PageTexts.h"
#include "RecordPage.h"
#include "Statement.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void Compose(benchmark::State &state, const composer::RecordPage *page)
{
    const std::vector<QString> texts = TypicalTexts(*page);
    qsizetype length = 0;
    for (auto _ : state) {
        QString line = composer::ComposeStatement(page->statement, texts);
        benchmark::DoNotOptimize(line.data());
        length = line.size();
    }
    state.counters["chars"] = double(length);
}

} // namespace

int main(int argc, char **argv)
{
    for (const composer::RecordPage *page : composer::RecordPages())
        benchmark::RegisterBenchmark(("Compose/" + ToQString(page->name).toStdString()).c_str(), Compose, page);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
