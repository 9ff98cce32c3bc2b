// Searching a 10,000-item playlist as the reader types: the playlist
// filter (names folded once per playlist) per keystroke. The reference, in
// the same run, is a plain linear scan of the same names that folds each
// name at every keystroke (the same matches), and one that only ignores
// case. The playlist screen's keystroke is in PlaylistScreenBench.
#include "core/FoldedText.h"
#include "vlc/PlaylistFilter.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {
constexpr int items = 10000;

const char* const artists[] = { "Beyoncé", "Sigur Rós", "Mötley Crüe", "Björk", "Café Tacvba", "Daft Punk",
                                "Édith Piaf", "Zoë Keating", "The Beatles", "Ólafur Arnalds", "Amadou & Mariam",
                                "Røyksopp" };
const char* const words[] = { "Déjà vu", "Hoppípolla", "Kickstart", "Jóga", "Eres", "Around the World",
                              "Non, je ne regrette rien", "Sequoia", "Help", "Near Light", "Beaux dimanches",
                              "Eple" };

QString nameOf(int i)
{
    return QStringLiteral("%1 - %2 (take %3).mp3")
        .arg(QString::fromUtf8(artists[i % 12]), QString::fromUtf8(words[(i / 12) % 12]))
        .arg(i);
}

QStringList names()
{
    QStringList list;
    for (int i = 0; i < items; ++i)
        list.append(nameOf(i));
    return list;
}

// What a reader types, one keystroke after another.
const QStringList& keystrokes()
{
    static const QStringList typed { QStringLiteral("b"), QStringLiteral("bj"), QStringLiteral("bjo"),
                                     QStringLiteral("bjor"), QStringLiteral("bjork"), QStringLiteral("bjork "),
                                     QStringLiteral("bjork j"), QStringLiteral("bjork jo"), QStringLiteral("bjork jog"),
                                     QStringLiteral("bjork joga") };
    return typed;
}

void BM_FilterBuild(benchmark::State& state)
{
    const QStringList list = names();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaylistFilter(list));
}
BENCHMARK(BM_FilterBuild)->Unit(benchmark::kMillisecond);

void BM_FilterKeystroke(benchmark::State& state)
{
    const PlaylistFilter filter(names());
    qsizetype next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(filter.rowsMatching(keystrokes()[next++ % keystrokes().size()]));
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMicrosecond);

// The reference: every name folded again at every keystroke.
std::vector<int> linearScan(const QStringList& list, const QString& typed)
{
    const QStringList wanted = FoldedText::fold(typed).simplified().split(u' ', Qt::SkipEmptyParts);
    std::vector<int> rows;
    for (int row = 0; row < list.size(); ++row) {
        const QString name = FoldedText::fold(list[row]);
        if (std::all_of(wanted.begin(), wanted.end(), [&](const QString& word) { return name.contains(word); }))
            rows.push_back(row);
    }
    return rows;
}

void BM_LinearScanKeystroke(benchmark::State& state)
{
    const QStringList list = names();
    qsizetype next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(linearScan(list, keystrokes()[next++ % keystrokes().size()]));
}
BENCHMARK(BM_LinearScanKeystroke)->Unit(benchmark::kMillisecond);

// A scan that does less than asked (accents count), for scale.
void BM_CaseOnlyScanKeystroke(benchmark::State& state)
{
    const QStringList list = names();
    qsizetype next = 0;
    for (auto _ : state) {
        const QString& typed = keystrokes()[next++ % keystrokes().size()];
        std::vector<int> rows;
        for (int row = 0; row < list.size(); ++row)
            if (list[row].contains(typed, Qt::CaseInsensitive))
                rows.push_back(row);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_CaseOnlyScanKeystroke)->Unit(benchmark::kMicrosecond);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
