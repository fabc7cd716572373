// The splice filter on its largest pages, against the plain per-candidate substring search,
// and the result box taking 100,000 five-digit numbers.

#include "WindowBenchMain.h"

#include "tools/SpliceFilter.h"
#include "tools/SplicePages.h"
#include "ui/splice/SplicePageWidget.h"
#include "ui/splice/SpliceWindow.h"
#include "ui/widgets/textbox/TextBox.h"

#include "core/TextScan.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

using namespace shrink4;

namespace {

// Every box of the page filled with 100 random groups of the part width.
std::vector<std::string> filledBoxes(const SplicePage& page)
{
    std::mt19937 random(7);
    std::vector<std::string> boxes(std::size_t(page.boxCount));
    for (auto& box : boxes)
        for (int g = 0; g < 100; ++g) {
            for (int d = 0; d < page.partWidth; ++d)
                box += char('0' + random() % 10);
            box += ' ';
        }
    return boxes;
}

// The search as first described: for every candidate, one std::string::find per filled box.
SpliceResult literalSplice(const SplicePage& page, const std::vector<std::string>& boxes, SpliceMode mode)
{
    SpliceResult r;
    const int candidates = page.targetWidth == 4 ? 10000 : 100000;
    std::vector<std::string> keptNumbers;
    for (int v = 0; v < candidates; ++v) {
        std::string digits = std::to_string(v);
        digits.insert(0, std::size_t(page.targetWidth) - digits.size(), '0');
        bool marked = false;
        for (std::size_t k = 0; k < boxes.size() && !marked; ++k) {
            const std::string text(trimSpaces(boxes[k]));
            if (text.empty())
                continue;
            std::string key;
            for (char pos : page.positions[k])
                key += digits[std::size_t(pos - '1')];
            const bool found = text.find(key) != std::string::npos;
            marked = mode == SpliceMode::Keep ? !found : found;
        }
        if (!marked)
            keptNumbers.push_back(digits);
    }
    for (const auto& s : keptNumbers) {
        if (r.count++ > 0)
            r.text += ' ';
        r.text += s;
    }
    return r;
}

void spliceArgs(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"page", "delete"});
    for (int page : {1, 3})
        for (int del : {0, 1})
            b->Args({page, del});
    b->Unit(benchmark::kMicrosecond);
}

void BM_SpliceFilter(benchmark::State& state)
{
    const auto& page = splicePages()[std::size_t(state.range(0))];
    const auto mode = state.range(1) ? SpliceMode::Delete : SpliceMode::Keep;
    const auto boxes = filledBoxes(page);
    const std::vector<std::string_view> views(boxes.begin(), boxes.end());
    int count = 0;
    for (auto _ : state) {
        auto result = runSplice(page, views, mode);
        count = result->count;
        benchmark::DoNotOptimize(result);
    }
    state.counters["kept"] = count;
}
BENCHMARK(BM_SpliceFilter)->Apply(spliceArgs);

void BM_SpliceLiteralSearch(benchmark::State& state)
{
    const auto& page = splicePages()[std::size_t(state.range(0))];
    const auto mode = state.range(1) ? SpliceMode::Delete : SpliceMode::Keep;
    const auto boxes = filledBoxes(page);
    for (auto _ : state)
        benchmark::DoNotOptimize(literalSplice(page, boxes, mode));
}
BENCHMARK(BM_SpliceLiteralSearch)->Apply(spliceArgs);

// Start on page "35" in delete mode with a box of line breaks: every one of the 100,000
// candidates is kept and shown, then painted.
void BM_SpliceShowAllFiveDigitResults(benchmark::State& state)
{
    SpliceWindow window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.selectPage(3);
    window.show();
    auto* page = window.page(3);
    page->findChild<TextBox*>(QStringLiteral("T_35_ip(0)"))->setPlainText(QStringLiteral("\n"));
    page->findChild<QRadioButton*>(QStringLiteral("Op_35_bl(1)"))->setChecked(true);
    auto* result = page->findChild<TextBox*>(QStringLiteral("T_35_dd"));
    double characters = 0;
    for (auto _ : state) {
        page->startSplice();
        QApplication::processEvents(); // the layout and paint that follow
        state.PauseTiming();
        characters = double(result->toPlainText().size());
        result->setPlainText(QString());
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["chars"] = characters;
}
BENCHMARK(BM_SpliceShowAllFiveDigitResults)->Unit(benchmark::kMillisecond);

} // namespace

SHRINK4_WINDOW_BENCHMARK_MAIN()
