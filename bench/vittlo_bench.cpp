// Times the work that grows with the catalogue and Today's List against the floor of the same file
// work done once with plain buffered I/O. Not part of the test run; bench/run.sh builds and runs
// it. Each operation runs at two sizes of synthetic catalogue:
//   S: 100 categories, 10,000 items;  L: 1,000 categories, 1,000,000 items (a 60 MB item file),
// with repeated, blank and case-variant category names and about 10 % orphan items.
// Counters: floor_x, the time over the floor's; peak_MB, the most memory the operation added;
// files_MB, the size of the files it reads.
#include "AisleOrder.h"
#include "Catalogue.h"
#include "CatalogueSearch.h"
#include "DesktopShell.h"
#include "Dialogs.h"
#include "EntryListFile.h"
#include "ImportFile.h"
#include "ListBox.h"
#include "MainScreen.h"
#include "OrphanPurge.h"
#include "PhoneCodes.h"
#include "PrinterTarget.h"
#include "QrCodeView.h"
#include "ShopList.h"
#include "TodaysList.h"
#include "TodaysListPrintout.h"
#include "UpgradeMerge.h"
#include "WordWrap.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray field(const QByteArray& text) {
    return text.leftJustified(30, ' ', true);
}

struct Synthetic {
    QByteArray categories;
    QByteArray items;
    QByteArray importText;
    QStringList todaysList;
    QString category; // one with about items / categories items
};

QByteArray categoryName(int n) {
    if (n % 97 == 0)
        return QByteArray();
    if (n % 33 == 0)
        return "aisle " + QByteArray::number(n);                   // a case variant of its own
    return "Aisle " + QByteArray::number(n % 50 == 0 ? n - 1 : n); // some names twice
}

const Synthetic& catalogue(int size) {
    static std::map<int, Synthetic> made;
    if (made.count(size))
        return made.at(size);
    const int categories = size == 0 ? 100 : 1'000;
    const qint64 items = size == 0 ? 10'000 : 1'000'000;
    Synthetic& c = made[size];
    c.items.reserve(items * 60);
    for (int n = 1; n <= categories; ++n) {
        c.categories += field(categoryName(n));
    }
    for (qint64 i = 0; i < items; ++i) {
        const int n = int((i * 7919) % categories) + 1;
        // One item in ten belongs to a category that is gone.
        const QByteArray category = i % 10 == 0 ? "Gone " + QByteArray::number(n) : categoryName(n);
        const QByteArray item = "Item " + QByteArray::number(i);
        c.items += field(category) + field(item);
    }
    // The import file: its categories' items under their headings.
    for (int n = 1; n <= categories; ++n) {
        c.importText += "[!]" + categoryName(n) + "\r\n";
        for (qint64 i = n; i < items; i += categories)
            c.importText += "Item " + QByteArray::number(i) + ", ";
        c.importText += "\r\n";
    }
    for (int i = 0; i < 10'000; ++i)
        c.todaysList.append(QStringLiteral("Aisle %1\u00b0 Item %2").arg(i % categories).arg(i));
    c.category = QString::fromLatin1(field(categoryName(7)));
    return c;
}

void write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

qint64 kilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stoll(line.substr(std::string(key).size()));
    return 0;
}

// Runs the operation as a benchmark, each run on files made afresh, and reports its time over
// the floor's and the memory it added at its peak.
void measure(benchmark::State& state, const std::function<void(const QDir&)>& prepare,
             const std::function<void(const QDir&)>& operation,
             const std::function<void(const QDir&)>& floor, const QStringList& reads) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    // The files just made are flushed to disk first, so that their write-back does not slow
    // down whatever is timed next.
    const auto timed = [&](const std::function<void(const QDir&)>& work) {
        prepare(dir);
        ::sync();
        QElapsedTimer timer;
        timer.start();
        work(dir);
        return timer.nsecsElapsed() / 1e6;
    };
    std::vector<double> floors;
    for (int i = 0; i < 3; ++i)
        floors.push_back(timed(floor));
    std::sort(floors.begin(), floors.end());
    prepare(dir);
    qint64 files = 0;
    for (const QString& name : reads)
        files += QFile(dir.filePath(name)).size();
    std::vector<double> times;
    qint64 peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        prepare(dir);
        ::sync();
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        const qint64 before = kilobytes("VmRSS:");
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        operation(dir);
        times.push_back(timer.nsecsElapsed() / 1e6);
        state.PauseTiming();
        peak = std::max(peak, kilobytes("VmHWM:") - before);
        state.ResumeTiming();
    }
    std::sort(times.begin(), times.end());
    state.counters["floor_x"] = times[times.size() / 2] / std::max(floors[1], 1e-3);
    state.counters["peak_MB"] = peak / 1024.0;
    state.counters["files_MB"] = files / 1048576.0;
}

// The floor: the files read once, and those given written once, with plain buffered I/O.
std::function<void(const QDir&)> floorOf(const QStringList& reads, const QStringList& writes) {
    return [reads, writes](const QDir& dir) {
        for (const QString& name : reads) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                std::abort();
            const QByteArray bytes = file.readAll();
            if (writes.contains(name)) {
                // Written as the program writes: flushed to disk before it counts as written.
                QFile copy(dir.filePath(name + QStringLiteral(".floor")));
                if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() ||
                    !copy.flush() || ::fsync(copy.handle()) != 0)
                    std::abort();
            }
        }
    };
}

std::function<void(const QDir&)> catalogueFiles(int size, bool upgrade = false) {
    return [size, upgrade](const QDir& dir) {
        const Synthetic& c = catalogue(size);
        write(dir, QStringLiteral("category.lst"), c.categories);
        write(dir, QStringLiteral("std_item.lst"), c.items);
        if (upgrade) {
            // As many shipped records, half of them the user's.
            write(dir, QStringLiteral("category.new"),
                  c.categories.right(c.categories.size() / 2) +
                      c.categories.left(c.categories.size() / 2).toLower());
            write(dir, QStringLiteral("std_item.new"),
                  c.items.right(c.items.size() / 2) + c.items.left(c.items.size() / 2).toUpper());
        }
    };
}

const QStringList CatalogueFiles{QStringLiteral("category.lst"), QStringLiteral("std_item.lst")};

void itemsOfACategory(benchmark::State& state) {
    const int size = int(state.range(0));
    measure(state, catalogueFiles(size),
            [size](const QDir& dir) {
                benchmark::DoNotOptimize(Catalogue(dir).itemsOf(catalogue(size).category));
            },
            floorOf({QStringLiteral("std_item.lst")}, {}), {QStringLiteral("std_item.lst")});
}

void purge(benchmark::State& state) {
    measure(
        state, catalogueFiles(int(state.range(0))),
        [](const QDir& dir) { OrphanPurge::purge(dir); },
        floorOf(CatalogueFiles, {QStringLiteral("std_item.lst")}), CatalogueFiles);
}

void upgradeMerge(benchmark::State& state) {
    const QStringList reads = CatalogueFiles + QStringList{QStringLiteral("category.new"),
                                                           QStringLiteral("std_item.new")};
    measure(
        state, catalogueFiles(int(state.range(0)), true),
        [](const QDir& dir) {
            const UpgradeMerge upgrade(dir);
            if (!upgrade.prepare())
                std::abort();
            upgrade.merge();
        },
        floorOf(reads, CatalogueFiles), reads);
}

void import(benchmark::State& state) {
    const int size = int(state.range(0));
    const auto prepare = [size](const QDir& dir) {
        write(dir, QStringLiteral("import.txt"), catalogue(size).importText);
        QFile::remove(dir.filePath(QStringLiteral("category.lst")));
        QFile::remove(dir.filePath(QStringLiteral("std_item.lst")));
    };
    measure(
        state, prepare,
        [](const QDir& dir) {
            if (!ImportFile::importInto(dir).isEmpty())
                std::abort();
        },
        [size](const QDir& dir) {
            // Reading the file, and writing the records it makes.
            floorOf({QStringLiteral("import.txt")}, {})(dir);
            write(dir, QStringLiteral("std_item.floor"), catalogue(size).items);
        },
        {QStringLiteral("import.txt")});
}

// Today's List's file: 10,000 lines of as many different entries as asked for, then the first
// "again" entries once more.
QByteArray todaysListBytes(int size, int different = 10'000, int again = 0) {
    const QStringList& entries = catalogue(size).todaysList;
    QByteArray bytes;
    for (int i = 0; i < 10'000 + again; ++i)
        bytes += entries.at(i < 10'000 ? i % different : i - 10'000).toLatin1() + "\r\n";
    return bytes;
}

// One entry added to a Today's List of 10,000 entries, and the list written as a change writes
// it.
void saveTodaysList(benchmark::State& state) {
    const int size = int(state.range(0));
    std::unique_ptr<TodaysList> list;
    const auto prepare = [&](const QDir& dir) {
        write(dir, QStringLiteral("todays.lst"), todaysListBytes(size));
        list = std::make_unique<TodaysList>(dir);
        list->load();
    };
    measure(state, prepare,
            [&](const QDir&) {
                list->add(QStringLiteral("Aisle 7\u00b0 Item 7"));
                list->save();
            },
            floorOf({QStringLiteral("todays.lst")}, {QStringLiteral("todays.lst")}),
            {QStringLiteral("todays.lst")});
}

// One entry added to a Today's List of 10,000 entries in 1,000 aisles, 1,000 of them counted
// twice, and the window's list told: without a shop order (0), and with the 1,000 aisles in
// reverse order (1).
void addInShopOrder(benchmark::State& state) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    write(dir, QStringLiteral("todays.lst"), todaysListBytes(1, 10'000, 1'000));
    TodaysList list(dir);
    list.setSaveDelay(3'600'000);
    Shop shop{QStringLiteral("Market"), {}, {}};
    for (int i = 999; i >= 0; --i)
        shop.aisles.append(QStringLiteral("Aisle %1").arg(i));
    if (state.range(0) == 1)
        list.setShop(&shop);
    list.load();
    ListBox box(QStringLiteral("TmpList"), ListBox::CheckBoxes::OnEveryEntry);
    box.showList(list);
    int added = 0;
    for (auto _ : state)
        list.add(QStringLiteral("Aisle 7\u00b0 New %1").arg(++added));
}
BENCHMARK(addInShopOrder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The shop picked for the trip changed, with a Today's List of 10,000 entries in 1,000 aisles
// and 20 shops of the 1,000 aisles each in its own order, 50 of them not sold (1); against the
// same list put back in alphabetical order, no shop picked (0).
void switchShop(benchmark::State& state) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    write(dir, QStringLiteral("todays.lst"), todaysListBytes(1));
    TodaysList list(dir);
    list.load();
    ListBox box(QStringLiteral("TmpList"), ListBox::CheckBoxes::OnEveryEntry);
    box.showList(list);
    // Each shop walks all 1,000 aisles in an order of its own: steps of a prime that 1,000 does
    // not divide.
    const int steps[] = {7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                         43, 47, 53, 59, 61, 67, 71, 73, 79, 83};
    QList<Shop> shops;
    for (const int step : steps) {
        Shop shop{QStringLiteral("Shop %1").arg(step), {}, {}};
        for (int i = 0; i < 1'000; ++i)
            shop.aisles.append(QStringLiteral("Aisle %1").arg(i * step % 1'000));
        for (int i = 0; i < 50; ++i)
            shop.notSold.insert(shop.aisles.at(i * 20));
        shops.append(shop);
    }
    int next = 0;
    for (auto _ : state) {
        if (state.range(0) == 1) {
            list.setShop(&shops.at(next++ % 20));
        } else {
            // From a shop's order each time, so that there is something to sort.
            state.PauseTiming();
            list.setShop(&shops.at(0));
            state.ResumeTiming();
            list.setShop(nullptr);
        }
    }
}
BENCHMARK(switchShop)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// OK in Shop Order over an order file of 1,000 categories and N names the catalogue lacks, each
// kept after the name it followed: the order merged, as the file will hold it.
void shopOrderMerge(benchmark::State& state) {
    QStringList ordered;
    QStringList previous;
    for (int i = 0; i < 1'000; ++i)
        ordered.append(QStringLiteral("Aisle %1").arg(i));
    for (int i = 0; i < state.range(0); ++i) {
        previous.append(QStringLiteral("Gone %1").arg(i));
        if (i % 40 == 0)
            previous.append(ordered.at(i / 40 % 1'000));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(AisleOrder::merged(ordered, previous));
}
BENCHMARK(shopOrderMerge)->Arg(40'000)->Arg(80'000)->Unit(benchmark::kMillisecond);

// A burst of 100 changes, each within the save delay of the one before: how many times the list
// is written (writes).
void burstOfChanges(benchmark::State& state) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    int writes = 0;
    for (auto _ : state) {
        write(dir, QStringLiteral("todays.lst"), todaysListBytes(0));
        TodaysList list(dir);
        list.load();
        list.setSaveDelay(50);
        QObject::connect(&list, &TodaysList::saved, [&] { ++writes; });
        for (int i = 0; i < 100; ++i) {
            list.add(QStringLiteral("special\u00b0 %1").arg(i));
            QCoreApplication::processEvents();
        }
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    state.counters["writes"] = double(writes) / double(state.iterations());
}

class NoDialogs final : public Dialogs {
public:
    int messageBox(const QString&, int, const QString&) override { std::abort(); }

protected:
    QString inputText(const QString&, const QString&, const QString&, int) override {
        std::abort();
    }
};

class NoShell final : public DesktopShell {
public:
    std::optional<QString> findOpeningProgram(const QString&) override { return std::nullopt; }
    std::optional<QString> findUrlProgram(const QString&) override { return std::nullopt; }
    bool startProgram(const QString&, const QString&) override { return false; }
};

// Start-up with Today's List of 10,000 lines, of 10,000 or 2,000 different entries.
void startUp(benchmark::State& state) {
    const int size = int(state.range(0));
    const int different = int(state.range(1));
    const auto prepare = [size, different](const QDir& dir) {
        catalogueFiles(size)(dir);
        write(dir, QStringLiteral("todays.lst"), todaysListBytes(size, different));
    };
    measure(state, prepare,
            [](const QDir& dir) {
                NoDialogs dialogs;
                NoShell shell;
                PrinterTarget printer(dir.filePath(QStringLiteral("printout.pdf")));
                MainScreen window(dir, dialogs, printer, shell);
                benchmark::DoNotOptimize(window.isVisible());
            },
            floorOf({QStringLiteral("category.lst"), QStringLiteral("todays.lst")}, {}),
            {QStringLiteral("category.lst"), QStringLiteral("todays.lst")});
}

// Find Items: the catalogue read and put in order once (the first search after a change), and
// one keystroke after that, for a text nearly every item holds ("i": the worst case) and one few
// hold ("tem 12345").
void findFirstSearch(benchmark::State& state) {
    const int size = int(state.range(0));
    measure(
        state, catalogueFiles(size),
        [](const QDir& dir) {
            CatalogueSearch search(dir);
            search.refresh();
            benchmark::DoNotOptimize(search.find(QStringLiteral("i")));
        },
        floorOf(CatalogueFiles, {}), CatalogueFiles);
}

void findAKeystroke(benchmark::State& state) {
    const int size = int(state.range(0));
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    catalogueFiles(size)(dir);
    CatalogueSearch search(dir);
    search.refresh();
    const QString text = state.range(1) == 0 ? QStringLiteral("i") : QStringLiteral("tem 12345");
    size_t found = 0;
    for (auto _ : state)
        found = search.find(text).size();
    state.counters["found"] = double(found);
}

#define AT_BOTH_SIZES(name)                                                                        \
    BENCHMARK(name)->Arg(0)->Arg(1)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime()

AT_BOTH_SIZES(itemsOfACategory);
AT_BOTH_SIZES(purge);
AT_BOTH_SIZES(upgradeMerge);
AT_BOTH_SIZES(import);
BENCHMARK(saveTodaysList)->Arg(0)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(burstOfChanges)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
AT_BOTH_SIZES(findFirstSearch);
BENCHMARK(findAKeystroke)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(startUp)
    ->Args({1, 10'000})
    ->Args({1, 2'000})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void fillStdList(benchmark::State& state) {
    QStringList texts;
    for (int i = 0; i < 10'000; ++i)
        texts.append(QString::fromLatin1(field("Item " + QByteArray::number((i * 7919) % 10'000))));
    for (auto _ : state) {
        ListBox list(QStringLiteral("StdList"));
        list.showEntries(texts);
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(fillStdList)->Unit(benchmark::kMillisecond);

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

// The QR codes of a Today's List of 1,000 entries in 100 categories, all made and drawn as the
// Send to Phone window draws them at 1x scale.
void drawPhoneCodes(benchmark::State& state) {
    QList<TodaysListPrintout::Line> entries;
    for (int i = 0; i < 1'000; ++i)
        entries.append(
            {QStringLiteral("Category %1\u00b0 Item number %2").arg(i % 100).arg(i), i % 7 == 0});
    const QString text = TodaysListPrintout::text(entries, QDate(2026, 12, 7));
    qint64 codes = 0;
    for (auto _ : state) {
        const PhoneCodes phone(text);
        for (int part = 0; part < phone.count(); ++part)
            benchmark::DoNotOptimize(phone.code(part)->image(QrCodeView::ModulePixels));
        codes = phone.count();
    }
    state.counters["codes"] = double(codes);
}
BENCHMARK(drawPhoneCodes)->Unit(benchmark::kMillisecond);

// Today's List of 200 entries shared from the window, and its address on this computer.
struct SharedWindow {
    SharedWindow() {
        QByteArray list;
        for (int i = 0; i < 200; ++i)
            list += "Aisle " + QByteArray::number(i % 20) + "\xb0 Item " + QByteArray::number(i) +
                    "\r\n";
        write(QDir(tmp.path()), QStringLiteral("todays.lst"), list);
        screen = std::make_unique<MainScreen>(QDir(tmp.path()), dialogs, printer, shell);
        window().findChild<QAction*>(QStringLiteral("MU_Share"))->trigger();
        const QString local =
            window().findChild<QLabel*>(QStringLiteral("LocalAddress"))->text().section(u'\n', 1);
        base = QUrl(local);
    }
    // A change as the page sends it; the reply goes once it is finished.
    void post(const QString& what, const QByteArray& body) {
        QNetworkRequest request(base.resolved(QUrl(what)));
        request.setRawHeader("Origin", base.adjusted(QUrl::RemovePath).toString().toLatin1());
        request.setRawHeader("Content-Type", "application/json");
        QNetworkReply* reply = network.post(request, body);
        QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    }
    QTemporaryDir tmp;
    NoDialogs dialogs;
    NoShell shell;
    PrinterTarget printer{QDir(tmp.path()).filePath(QStringLiteral("printout.pdf"))};
    std::unique_ptr<MainScreen> screen;
    MainScreen& window() { return *screen; }
    QNetworkAccessManager network;
    QUrl base;
};

// Runs the event loop until done, looking every interval milliseconds.
void waitFor(const std::function<bool()>& done, qint64 longest = 20000, int interval = 1) {
    QEventLoop loop;
    QTimer look;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (waited.elapsed() > longest)
            qFatal("waited longer than expected");
        if (done())
            loop.quit();
    });
    look.start(interval);
    if (!done())
        loop.exec();
}

// A tick sent by a phone, until the window's list has it; an entry added by a phone, until
// todays.lst holds it (the autosave); the page's size (page_KB).
void sharedTick(benchmark::State& state) {
    SharedWindow shared;
    TodaysList& list = shared.window().todaysList();
    bool checked = false;
    for (auto _ : state) {
        // Ten ticks a second, within what the server lets one phone ask.
        state.PauseTiming();
        QElapsedTimer pause;
        pause.start();
        waitFor([&] { return pause.elapsed() >= 100; });
        state.ResumeTiming();
        checked = !checked;
        shared.post(QStringLiteral("tick"), "{\"entry\":\"Aisle 7\xc2\xb0 Item 107\",\"checked\":" +
                                                QByteArray(checked ? "true" : "false") + "}");
        waitFor([&] { return list.at(list.find(u"Aisle 7\u00b0 Item 107")).checked == checked; });
    }
    QNetworkReply* page = shared.network.get(QNetworkRequest(shared.base));
    waitFor([page] { return page->isFinished(); });
    state.counters["page_KB"] = double(page->readAll().size()) / 1024;
}
BENCHMARK(sharedTick)->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

void sharedAddition(benchmark::State& state) {
    SharedWindow shared;
    int added = 0;
    for (auto _ : state) {
        const QByteArray entry = "Bench " + QByteArray::number(++added);
        shared.post(QStringLiteral("add"), "{\"text\":\"" + entry + "\"}");
        waitFor([&] {
            QFile file(QDir(shared.tmp.path()).filePath(QStringLiteral("todays.lst")));
            return file.open(QIODevice::ReadOnly) &&
                   file.readAll().contains("special\xb0 " + entry + "\r\n");
        });
    }
}
BENCHMARK(sharedAddition)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

// Eight phones asking every second for a minute, as the page does, from processes of their own:
// the program's share of one core (cpu_percent).
void eightPhonesPolling(benchmark::State& state) {
    SharedWindow shared;
    const int seconds = int(state.range(0));
    for (auto _ : state) {
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);
        QElapsedTimer wall;
        wall.start();
        QList<QProcess*> phones;
        for (int phone = 0; phone < 8; ++phone) {
            phones.append(new QProcess);
            phones.last()->start(
                QStringLiteral("sh"),
                {QStringLiteral("-c"), QStringLiteral("for i in $(seq %1); do curl -s -o /dev/null "
                                                      "'%2list?since=0'; sleep 1; done")
                                           .arg(seconds)
                                           .arg(shared.base.toString())});
        }
        waitFor(
            [&] {
                return std::all_of(phones.begin(), phones.end(),
                                   [](QProcess* p) { return p->state() == QProcess::NotRunning; });
            },
            1000 * (seconds + 30), 200);
        ::getrusage(RUSAGE_SELF, &after);
        const auto cpu = [](const rusage& r) {
            return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 +
                   double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
        };
        state.counters["cpu_percent"] = 100 * (cpu(after) - cpu(before)) / double(wall.elapsed());
        qDeleteAll(phones);
    }
}
BENCHMARK(eightPhonesPolling)->Arg(60)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Memory freed goes back to the system, so that each operation's peak can be told.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
