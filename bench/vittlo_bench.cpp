// Times the work that grows with the catalogue and Today's List. Not part of the test run:
//   cmake -S . -B build -DVITTLO_BUILD_BENCH=ON && cmake --build build --target vittlo_bench
//   build/bench/vittlo_bench
#include "Catalogue.h"
#include "ListBox.h"
#include "PrinterTarget.h"
#include "Windows1252.h"
#include "WordWrap.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray field(const QByteArray& text) {
    return text.leftJustified(30, ' ', true);
}

// An item file of n records spread over 100 categories.
QByteArray itemFile(qint64 n) {
    QByteArray bytes;
    bytes.reserve(n * 60);
    for (qint64 i = 0; i < n; ++i)
        bytes +=
            field("Aisle " + QByteArray::number(i % 100)) + field("Item " + QByteArray::number(i));
    return bytes;
}

void write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

void itemsOfACategory(benchmark::State& state) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    write(dir, QStringLiteral("std_item.lst"), itemFile(state.range(0)));
    const QString category = QString::fromLatin1(field("Aisle 42"));
    for (auto _ : state)
        benchmark::DoNotOptimize(Catalogue(dir).itemsOf(category));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(itemsOfACategory)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

void removeAnItem(benchmark::State& state) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    const QByteArray bytes = itemFile(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        write(dir, QStringLiteral("std_item.lst"), bytes);
        state.ResumeTiming();
        Catalogue(dir).removeItem(QStringLiteral("Aisle 7"), QStringLiteral("Item 7"));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(removeAnItem)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

QStringList entries(qint64 n) {
    QStringList texts;
    for (qint64 i = 0; i < n; ++i)
        texts.append(QStringLiteral("Aisle %1\u00b0 Item %2").arg((i * 7919) % 1000).arg(i));
    return texts;
}

void fillAListBox(benchmark::State& state) {
    const QStringList texts = entries(state.range(0));
    for (auto _ : state) {
        ListBox list(QStringLiteral("TmpList"), ListBox::CheckBoxes::OnEveryEntry);
        list.addEntries(texts);
        benchmark::DoNotOptimize(list.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(fillAListBox)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void addOneEntryToALongList(benchmark::State& state) {
    ListBox list(QStringLiteral("TmpList"), ListBox::CheckBoxes::OnEveryEntry);
    list.addEntries(entries(state.range(0)));
    for (auto _ : state) {
        const int at = list.addEntry(QStringLiteral("Aisle 500\u00b0 Bread"));
        list.removeEntry(at);
    }
}
BENCHMARK(addOneEntryToALongList)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

void encodeAndDecode(benchmark::State& state) {
    const QString text = entries(1000).join(QLatin1Char('\n'));
    for (auto _ : state)
        benchmark::DoNotOptimize(Windows1252::decode(Windows1252::encode(text)));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(encodeAndDecode);

// A note of n short lines printed to a PDF file, as "Print Notes" does.
void printANote(benchmark::State& state) {
    QTemporaryDir tmp;
    QStringList lines;
    for (qint64 i = 0; i < state.range(0); ++i)
        lines.append(QStringLiteral("line %1 of the note").arg(i));
    const QString note = lines.join(QStringLiteral("\r\n"));
    PrinterTarget target(QDir(tmp.path()).filePath(QStringLiteral("note.pdf")),
                         PrinterTarget::Destination::Pdf);
    for (auto _ : state) {
        target.setFontBold(true);
        WordWrap::print(target, 1, 1000, target.pageWidth() - 4000, note);
        target.endDocument();
    }
}
BENCHMARK(printANote)->Arg(1'000)->Arg(2'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
